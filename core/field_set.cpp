#include "field_set.h"

#include <utility>

#include "character_count.h"
#include "number_text.h"

namespace velmora {

std::optional<std::size_t> FieldLimit(FieldId id) {
  const int n = FieldNumber(id);
  if (n >= FieldNumber(FieldId::Text8) && n <= FieldNumber(FieldId::Text14)) {
    return kShortFieldLimit;
  }
  return std::nullopt;
}

double FieldSet::Number(FieldId id) const {
  const Slot& s = slot(id);
  if (!s.number) s.number = ToNumber(s.text);
  return *s.number;
}

void FieldSet::Store(FieldId id, std::string_view text) {
  if (const auto limit = FieldLimit(id)) text = FirstCharacters(text, *limit);
  Slot& s = slot(id);
  s.text.assign(text);
  s.number.reset();
}

void FieldSet::Write(FieldId id, std::string_view text) {
  Store(id, text);
  slot(id).changed = true;
  if (observer_) observer_(id, slot(id).text);
}

bool FieldSet::TakeChange(FieldId id) {
  return std::exchange(slot(id).changed, false);
}

const std::string& FieldSet::StoreUserText(FieldId id, std::string_view text) {
  Store(id, text);
  return slot(id).text;
}

}  // namespace velmora
