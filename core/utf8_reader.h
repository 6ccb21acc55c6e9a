#pragma once

// Reading a UTF-8 text one character at a time, as the window's text boxes read it: a lead byte
// and its continuation bytes make one character; a byte that starts no whole sequence (a stray
// continuation byte, an invalid lead, a sequence cut short by the end of the text) stands for
// itself, one byte long, read as U+FFFD.

#include <cstddef>
#include <string_view>

namespace velmora {

struct Utf8Character {
  char32_t value;
  std::size_t bytes;  // 1 to 4
};

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

inline bool IsUtf8Continuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

// The character that starts at `position`, which must lie inside the text.
inline Utf8Character ReadUtf8Character(std::string_view text, std::size_t position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  if (lead < 0x80U) return {lead, 1};
  std::size_t length = 0;
  char32_t value = 0;
  if ((lead & 0xE0U) == 0xC0U) {
    length = 2;
    value = lead & 0x1FU;
  } else if ((lead & 0xF0U) == 0xE0U) {
    length = 3;
    value = lead & 0x0FU;
  } else if ((lead & 0xF8U) == 0xF0U) {
    length = 4;
    value = lead & 0x07U;
  } else {
    return {kReplacementCharacter, 1};
  }
  if (length > text.size() - position) return {kReplacementCharacter, 1};
  for (std::size_t k = 1; k < length; ++k) {
    const char byte = text[position + k];
    if (!IsUtf8Continuation(byte)) return {kReplacementCharacter, 1};
    value = (value << 6U) | (static_cast<unsigned char>(byte) & 0x3FU);
  }
  return {value, length};
}

}  // namespace velmora
