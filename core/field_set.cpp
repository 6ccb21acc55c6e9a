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
  if (!s.number) s.number = ToNumber(*s.text);
  return *s.number;
}

const std::shared_ptr<const std::string>& FieldSet::EmptyText() {
  static const auto empty = std::make_shared<const std::string>();
  return empty;
}

void FieldSet::Store(FieldId id, std::string_view text) {
  if (const auto limit = FieldLimit(id)) text = FirstCharacters(text, *limit);
  Slot& s = slot(id);
  s.text = text.empty() ? EmptyText() : std::make_shared<const std::string>(text);
  s.number.reset();
}

void FieldSet::Store(FieldId id, std::shared_ptr<const std::string> text) {
  if (text == nullptr) text = EmptyText();
  if (const auto limit = FieldLimit(id)) {
    if (FirstCharacters(*text, *limit).size() != text->size()) {
      Store(id, FirstCharacters(*text, *limit));
      return;
    }
  }
  Slot& s = slot(id);
  s.text = std::move(text);
  s.number.reset();
}

void FieldSet::Written(FieldId id) {
  slot(id).changed = true;
  if (observer_) observer_(id, Text(id));
}

void FieldSet::Write(FieldId id, std::string_view text) {
  Store(id, text);
  Written(id);
}

void FieldSet::Write(FieldId id, std::shared_ptr<const std::string> text) {
  Store(id, std::move(text));
  Written(id);
}

bool FieldSet::TakeChange(FieldId id) {
  return std::exchange(slot(id).changed, false);
}

const std::string& FieldSet::StoreUserText(FieldId id, std::string_view text) {
  Store(id, text);
  return Text(id);
}

}  // namespace velmora
