#include "character_count.h"

#include "utf8_reader.h"

namespace velmora {
namespace {

// Length in bytes of the character starting at `pos` and how many UTF-16 units it takes.
struct CharacterSpan {
  std::size_t bytes;
  std::size_t units;
};

CharacterSpan CharacterAt(std::string_view text, std::size_t pos) {
  const std::size_t length = ReadUtf8Character(text, pos).bytes;
  return {length, length == 4 ? 2U : 1U};
}

}  // namespace

std::size_t CharacterCount(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const CharacterSpan span = CharacterAt(text, pos);
    pos += span.bytes;
    units += span.units;
  }
  return units;
}

std::string_view FirstCharacters(std::string_view text, std::size_t limit) {
  std::size_t units = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const CharacterSpan span = CharacterAt(text, pos);
    if (units + span.units > limit) break;
    pos += span.bytes;
    units += span.units;
  }
  return text.substr(0, pos);
}

}  // namespace velmora
