#pragma once

// The 15-significant-digit decimal form of a double, shared by the general text and the display
// patterns so that both see the same rounding of the exact binary value.

#include <array>
#include <cstdint>

namespace velmora::detail {

inline constexpr int kSignificantDigits = 15;

// 10^0 to 10^15: the scales of a 15-digit significand.
inline constexpr std::array<std::uint64_t, kSignificantDigits + 1> kPowersOfTen = [] {
  std::array<std::uint64_t, kSignificantDigits + 1> powers{};
  std::uint64_t p = 1;
  for (auto& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();

// magnitude = significand x 10^(exponent - 14), the significand holding exactly 15 digits
// (10^14 <= significand < 10^15), or 0 for zero. The exponent is that of the leading digit.
struct FifteenDigits {
  std::uint64_t significand = 0;
  int exponent = 0;
  bool negative = false;
};

// Rounds the exact value of a finite double to 15 significant digits, to nearest; an exact half
// goes to the even neighbour. Throws CalcError for an infinity or a NaN.
FifteenDigits ToFifteenDigits(double number);

}  // namespace velmora::detail
