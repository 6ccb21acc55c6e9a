#include "decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace velmora::part {
namespace {

// The longest fixed form of a finite double: 309 integer digits, or 1074 decimals.
constexpr std::size_t kFixedFormChars = 309 + 1 + 1074 + 1;
// A double's significand carries 53 bits; below the binary point they need as many decimals.
constexpr int kSignificandBits = 53;
constexpr int kMostDecimals = 1074;

// One more in the last place of a decimal text, carried through nines and over the point.
void AddOneInLastPlace(std::string& digits) {
  for (std::size_t k = digits.size(); k-- > 0;) {
    char& digit = digits[k];
    if (digit == '.') continue;
    if (digit != '9') {
      ++digit;
      return;
    }
    digit = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

void AppendDecimal(std::string& out, double value) {
  std::array<char, kFixedFormChars> buffer{};
  // Adding zero turns -0 into +0, which a reader would otherwise show as "-0".
  const double plain = value + 0.0;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), plain, std::chars_format::fixed);
  out.append(buffer.data(), result.ptr);
}

std::string FixedDecimals(double value, int decimals) {
  const double magnitude = std::fabs(value);
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  // Enough decimals that the text is the double's exact value, and one beyond those kept.
  const int exact = std::clamp(kSignificandBits - exponent, 0, kMostDecimals);
  std::array<char, kFixedFormChars> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, std::max(exact, decimals + 1));
  std::string digits(buffer.data(), result.ptr);
  const std::size_t point = digits.find('.');
  const std::size_t kept = point + 1 + static_cast<std::size_t>(decimals);
  const bool roundUp = digits[kept] >= '5';
  digits.resize(decimals == 0 ? point : kept);
  if (roundUp) AddOneInLastPlace(digits);
  return value < 0.0 ? '-' + digits : digits;
}

void AppendFixed(std::string& out, double value, int decimals) {
  const std::string text = FixedDecimals(value, decimals);
  // "-0.00": the digits say zero, so the sign says nothing.
  const bool zero = text.find_first_not_of("-0.") == std::string::npos;
  out.append(zero && text.starts_with('-') ? text.substr(1) : text);
}

void AppendSignificant(std::string& out, double value, int digits) {
  digits = std::max(digits, 1);
  // First the rounding to the digits ("9.9996" becomes "1.000e+01"), then the decimals of what it
  // rounded to, so that a carry into a new digit keeps the count.
  std::array<char, 64> scientific{};
  const auto rounded = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                     value, std::chars_format::scientific, digits - 1);
  double near = 0.0;
  std::from_chars(scientific.data(), rounded.ptr, near);
  const std::string_view form(scientific.data(), rounded.ptr);
  std::string_view exponent = form.substr(form.find('e') + 1);
  if (exponent.starts_with('+')) exponent.remove_prefix(1);
  int power = 0;
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), power);
  AppendFixed(out, near, std::max(0, digits - 1 - power));
}

}  // namespace velmora::part
