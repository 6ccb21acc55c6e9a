#pragma once

// The 15-significant-digit decimal form of a double, shared by the general text and the display
// patterns so that both see the same rounding of the exact binary value.

#include <array>

namespace velmora::detail {

inline constexpr int kSignificantDigits = 15;

// magnitude = d[0].d[1]d[2]...d[count-1] x 10^exponent, digits as '0'..'9', no trailing zeros.
// count is 0 for zero.
struct DecimalDigits {
  std::array<char, kSignificantDigits> digits{};
  int count = 0;
  int exponent = 0;
  bool negative = false;
};

// Rounds the exact value of a finite double to 15 significant digits, to nearest.
DecimalDigits ToDecimalDigits(double number);

}  // namespace velmora::detail
