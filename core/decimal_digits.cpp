#include "decimal_digits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace velmora::detail {
namespace {

// Parses a scientific text "d.ddde+XX" of std::to_chars into digits (up to 17) and exponent.
struct ScientificText {
  std::array<char, 20> digits{};
  int count = 0;
  int exponent = 0;
};

ScientificText ParseScientific(std::string_view text) {
  ScientificText out;
  std::size_t i = 0;
  for (; i < text.size() && text[i] != 'e'; ++i) {
    if (text[i] != '.' && out.count < static_cast<int>(out.digits.size())) {
      out.digits[static_cast<std::size_t>(out.count++)] = text[i];
    }
  }
  // The exponent after 'e' is always a signed integer of at most three digits.
  const char* first = text.data() + i + 1;
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), out.exponent);
  return out;
}

// Rounds the first 15 of `in`'s digits half up on digit 16 (the caller guarantees that the digits
// beyond 15 are not an exact half of the exact value, or that they are the exact value).
DecimalDigits RoundToFifteen(const ScientificText& in) {
  DecimalDigits out;
  out.exponent = in.exponent;
  int kept = in.count < kSignificantDigits ? in.count : kSignificantDigits;
  for (int k = 0; k < kept; ++k)
    out.digits[static_cast<std::size_t>(k)] = in.digits[static_cast<std::size_t>(k)];
  if (in.count > kSignificantDigits && in.digits[kSignificantDigits] >= '5') {
    int k = kept - 1;
    while (k >= 0 && out.digits[static_cast<std::size_t>(k)] == '9') {
      out.digits[static_cast<std::size_t>(k)] = '0';
      --k;
    }
    if (k < 0) {
      // 9.99...95 rounds up to the next power of ten.
      out.digits[0] = '1';
      kept = 1;
      ++out.exponent;
    } else {
      ++out.digits[static_cast<std::size_t>(k)];
    }
  }
  while (kept > 0 && out.digits[static_cast<std::size_t>(kept - 1)] == '0') --kept;
  out.count = kept;
  return out;
}

}  // namespace

DecimalDigits ToDecimalDigits(double number) {
  if (number == 0.0) return DecimalDigits{};
  const double magnitude = std::fabs(number);
  // The shortest round-trip digits are fast and, with one exception, round to the same 15 digits
  // as the exact value: a 15-digit midpoint lying between the double and its shortest form would
  // itself be a 16-digit candidate nearer the double. The exception is a shortest form of 16
  // digits ending in 5, which may be such a midpoint; only then the exact expansion is needed.
  // The argument needs a step between doubles finer than 15 digits, which subnormals lack.
  const bool subnormal = magnitude < std::numeric_limits<double>::min();
  std::array<char, 40> buffer{};
  auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                              std::chars_format::scientific);
  ScientificText shortest = ParseScientific({buffer.data(), result.ptr});
  if (subnormal ||
      (shortest.count == kSignificantDigits + 1 && shortest.digits[kSignificantDigits] == '5')) {
    result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                           std::chars_format::scientific, kSignificantDigits - 1);
    shortest = ParseScientific({buffer.data(), result.ptr});
  }
  DecimalDigits out = RoundToFifteen(shortest);
  out.negative = number < 0.0;
  return out;
}

}  // namespace velmora::detail
