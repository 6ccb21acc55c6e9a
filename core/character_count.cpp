#include "character_count.h"

namespace velmora {
namespace {

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Length in bytes of the character starting at `pos` and how many UTF-16 units it takes.
struct CharacterSpan {
  std::size_t bytes;
  std::size_t units;
};

CharacterSpan CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = Utf8SequenceLength(lead);
  if (length == 1 || pos + length > text.size()) return {1, 1};
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) return {1, 1};
  }
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
