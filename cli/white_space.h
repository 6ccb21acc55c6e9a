#pragma once

// Unicode's white space, as the help's layout breaks lines at it and a spreadsheet may leave it
// around a cell: the controls TAB to CR, NEL, and the space, line and paragraph separators.

namespace velmora::cli {

constexpr bool IsWhiteSpace(char32_t c) {
  return (c >= U'\t' && c <= U'\r') || c == U' ' || c == U'\u0085' || c == U'\u00A0' ||
         c == U'\u1680' || (c >= U'\u2000' && c <= U'\u200A') || c == U'\u2028' || c == U'\u2029' ||
         c == U'\u202F' || c == U'\u205F' || c == U'\u3000';
}

}  // namespace velmora::cli
