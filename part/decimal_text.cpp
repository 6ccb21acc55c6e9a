#include "decimal_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace velmora::part {

void AppendDecimal(std::string& out, double value) {
  // The longest fixed form of a finite double has 309 integer digits or 1074 decimals.
  std::array<char, 1100> buffer{};
  // Adding zero turns -0 into +0, which a reader would otherwise show as "-0".
  const double plain = value + 0.0;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), plain, std::chars_format::fixed);
  out.append(buffer.data(), result.ptr);
}

void AppendFixed(std::string& out, double value, int decimals) {
  // 309 integer digits, the point, and the decimals a reader's figure asks for.
  std::array<char, 1100> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, decimals);
  std::string_view text(buffer.data(), result.ptr);
  // "-0.00": the digits say zero, so the sign says nothing.
  if (text.starts_with('-') && text.find_first_not_of("0.", 1) == std::string_view::npos) {
    text.remove_prefix(1);
  }
  out.append(text);
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
