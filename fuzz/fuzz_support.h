#pragma once

// Helpers the fuzz targets share: a failed property stops the run with a message libFuzzer keeps
// next to the crashing input. Whether a text is a number is judged by the decimal reference of
// the tests, written apart from the core's own parser.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velmora::fuzz {

[[noreturn]] inline void Fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "\nPROPERTY FAILED: %s\n  text (%zu bytes): \"", what, text.size());
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F && c != '"' && c != '\\') {
      std::fputc(c, stderr);
    } else {
      std::fprintf(stderr, "\\x%02X", u);
    }
  }
  std::fputs("\"\n", stderr);
  std::abort();
}

inline void Require(bool holds, const char* what, std::string_view text = {}) {
  if (!holds) Fail(what, text);
}

// Only the ASCII space counts as surrounding blank; tabs and other bytes are part of the text.
inline std::string_view WithoutSurroundingSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool ContainsNoCase(std::string_view text, std::string_view word) {
  if (word.size() > text.size()) return false;
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    std::size_t k = 0;
    while (k < word.size() && AsciiLower(text[at + k]) == word[k]) ++k;
    if (k == word.size()) return true;
  }
  return false;
}

inline bool ShowsNonFinite(std::string_view text) {
  return ContainsNoCase(text, "inf") || ContainsNoCase(text, "nan");
}

}  // namespace velmora::fuzz
