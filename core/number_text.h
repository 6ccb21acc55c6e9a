#pragma once

// Conversions between field texts and numbers. Every result the calculator writes goes through
// these, and later steps read the texts back, so they fix the rounding chain of the whole program.
// All are locale-free: "." is the decimal point, there is no digit grouping.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "character_count.h"

namespace velmora {

// Text to number. Spaces around the number are ignored; what remains must be an optional sign,
// digits with at most one ".", at least one digit, and an optional exponent (E or e, optional
// sign, digits). The result is the nearest double. A magnitude below the smallest subnormal gives
// zero (underflow is no error).
//   "370" -> 370, " 35 " -> 35, ".5" -> 0.5, "+2" -> 2, "1e3" -> 1000
// Throws CalcError for any other text ("", "   ", "12mm", "1.2.3", "-") and for a magnitude
// beyond the largest double ("1e309").
double ToNumber(std::string_view text);

// Number to general text: at most 15 significant digits, rounded to nearest from the exact binary
// value, trailing zeros dropped. Fixed form for magnitudes from 1E-4 up to below 1E+15, exponent
// form (at least two exponent digits) outside it. Zero, of either sign, gives "0".
//   370 -> "370", 1/3 -> "0.333333333333333", 2^60 -> "1.15292150460685E+18",
//   0.00001 -> "1E-05", 999999999999999.5 -> "1E+15"
// Throws CalcError for an infinity or a NaN, which no field may hold.
std::string GeneralText(double number);

// Small integer to text, without leading blank or zeros: 370 -> "370", -5 -> "-5".
std::string IntegerText(std::int16_t number);

// The two display patterns of the window: "##0.000" (three decimals) and "##0.00" (two).
struct DisplayPattern {
  std::string_view text;
  int decimals;
};
inline constexpr DisplayPattern kThreeDecimals{"##0.000", 3};
inline constexpr DisplayPattern kTwoDecimals{"##0.00", 2};

// Number to text in a display pattern. The number is first taken in its 15-digit decimal form
// (as GeneralText rounds it), and that decimal is rounded to the pattern's decimals half away from
// zero, in decimal, so there is no second binary rounding. The integer part is never shortened. A
// negative value that rounds to zero is written without a minus sign.
//   1.0005 -> "1.001" (the nearest double lies just below, its 15 digits do not),
//   0.125 -> "0.13" in "##0.00", -0.125 -> "-0.13", 12345.6 -> "12345.600", -0.0001 -> "0.000"
// Throws CalcError for an infinity or a NaN, as GeneralText does.
std::string PatternText(double number, DisplayPattern pattern);
// A text value is converted by ToNumber first (throws CalcError when it is not a number).
std::string PatternText(std::string_view text, DisplayPattern pattern);

// The 7-character cell of a profile row: right-aligned, padded with spaces in front, a longer text
// keeps its first 7 characters.   "5.00" -> "   5.00", "1234.567" -> "1234.56"
inline constexpr std::size_t kCellWidth = 7;
std::string RightCell(std::string_view text);

// The same cell written straight onto the end of a text, as a table of a million rows needs: no
// string of its own, and inline, since the table pays for two cells a row.
inline void AppendRightCell(std::string& out, std::string_view text) {
  std::string_view kept = text.substr(0, std::min(text.size(), kCellWidth));
  std::size_t count = kept.size();
  // The table's texts are plain ASCII, one byte a character, so their first 7 bytes are the cell's
  // text; others are cut and counted as the window counts them.
  unsigned char bytesOr = 0;
  for (const char c : kept) bytesOr |= static_cast<unsigned char>(c);
  if (bytesOr >= 0x80) {
    kept = FirstCharacters(text, kCellWidth);
    count = CharacterCount(kept);
  }
  if (count < kCellWidth) out.append(kCellWidth - count, ' ');
  out.append(kept);
}

// The largest integer not greater than the number: 37.5 -> 37, -0.5 -> -1.
double Int(double number);

// True exactly for the text of no characters; a text of blanks is not empty.
bool IsEmptyText(std::string_view text);

}  // namespace velmora
