// GeneralText, PatternText and RightCell on arbitrary finite doubles, one per 8 input bytes.
// The expected texts are rebuilt here from std::to_chars's own 15-digit rounding, so neither the
// core's digit extraction nor its formatting is trusted.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

#include "calc_error.h"
#include "character_count.h"
#include "fuzz_support.h"
#include "number_text.h"

namespace {

using velmora::fuzz::Fail;
using velmora::fuzz::Require;

constexpr std::size_t kLongestGeneralText = 22;  // "-1.23456789012345E-308"

// x rounded to 15 significant digits, as to_chars writes it and as from_chars reads it back.
struct Fifteen {
  bool negative = false;
  std::string digits;      // no trailing zeros; empty for zero
  int exponent = 0;        // of the first digit
  bool overflows = false;  // the rounded decimal lies beyond the largest double
  double value = 0.0;
};

Fifteen RoundToFifteen(double x) {
  std::array<char, 48> buffer{};
  const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                     std::chars_format::scientific, 14);
  Require(written.ec == std::errc{}, "to_chars failed");
  const std::string_view text(buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));

  Fifteen f;
  const auto read = std::from_chars(text.data(), text.data() + text.size(), f.value);
  f.overflows = read.ec == std::errc::result_out_of_range;
  Require(f.overflows || read.ec == std::errc{}, "from_chars refused to_chars output", text);

  std::size_t i = 0;
  if (text[i] == '-') {
    f.negative = true;
    ++i;
  }
  for (; text[i] != 'e'; ++i) {
    if (text[i] != '.') f.digits += text[i];
  }
  std::string_view exponentText = text.substr(i + 1);
  if (exponentText.front() == '+') exponentText.remove_prefix(1);
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), f.exponent);
  while (!f.digits.empty() && f.digits.back() == '0') f.digits.pop_back();
  return f;
}

std::string ExpectedGeneral(const Fifteen& f) {
  if (f.digits.empty()) return "0";
  std::string out = f.negative ? "-" : "";
  const int e = f.exponent;
  const auto n = static_cast<int>(f.digits.size());
  if (e < -4 || e >= 15) {
    out += f.digits[0];
    if (n > 1) out += "." + f.digits.substr(1);
    out += e < 0 ? "E-" : "E+";
    const std::string magnitude = std::to_string(e < 0 ? -e : e);
    if (magnitude.size() < 2) out += '0';
    return out + magnitude;
  }
  if (e < 0) return out + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + f.digits;
  for (int k = 0; k <= e; ++k) out += k < n ? f.digits[static_cast<std::size_t>(k)] : '0';
  if (n > e + 1) out += "." + f.digits.substr(static_cast<std::size_t>(e) + 1);
  return out;
}

// The 15-digit decimal rounded half away from zero to `decimals` places, in decimal.
std::string ExpectedPattern(const Fifteen& f, int decimals) {
  std::string integer;
  std::string fraction;
  const int e = f.exponent;
  if (f.digits.empty()) {
    integer = "0";
  } else if (e >= 0) {
    for (int k = 0; k <= e; ++k) {
      integer +=
          k < static_cast<int>(f.digits.size()) ? f.digits[static_cast<std::size_t>(k)] : '0';
    }
    if (static_cast<int>(f.digits.size()) > e + 1)
      fraction = f.digits.substr(static_cast<std::size_t>(e) + 1);
  } else {
    integer = "0";
    fraction = std::string(static_cast<std::size_t>(-e - 1), '0') + f.digits;
  }
  const auto kept = static_cast<std::size_t>(decimals);
  if (fraction.size() < kept + 1) fraction.resize(kept + 1, '0');
  std::string number = "0" + integer + fraction.substr(0, kept);  // room for a carry
  if (fraction[kept] >= '5') {
    std::size_t k = number.size();
    while (number[--k] == '9') number[k] = '0';
    ++number[k];
  }
  const std::string decimalsText = number.substr(number.size() - kept);
  std::string integerText = number.substr(0, number.size() - kept);
  const auto firstNonZero = integerText.find_first_not_of('0');
  integerText = firstNonZero == std::string::npos ? "0" : integerText.substr(firstNonZero);
  const bool zero = integerText == "0" && decimalsText.find_first_not_of('0') == std::string::npos;
  return (f.negative && !zero ? "-" : "") + integerText + "." + decimalsText;
}

// Reads a text the core wrote back through ToNumber: it must succeed exactly when its value is
// within range.
void CheckReadsBack(std::string_view text, bool overflows, const char* refused,
                    const char* accepted) {
  try {
    const double back = velmora::ToNumber(text);
    Require(!overflows, accepted, text);
    Require(std::isfinite(back), "ToNumber returned a non-finite value", text);
  } catch (const velmora::CalcError&) {
    Require(overflows, refused, text);
  }
}

void CheckPattern(double x, const Fifteen& f, velmora::DisplayPattern pattern) {
  const std::string text = velmora::PatternText(x, pattern);
  Require(text == ExpectedPattern(f, pattern.decimals),
          "PatternText differs from the rounded decimal", text);

  const auto point = text.find('.');
  Require(point != std::string::npos && text.find('.', point + 1) == std::string::npos,
          "PatternText has not exactly one decimal point", text);
  Require(text.size() - point - 1 == static_cast<std::size_t>(pattern.decimals),
          "PatternText has the wrong number of decimals", text);
  Require(text.find_first_of("eE") == std::string::npos && !velmora::fuzz::ShowsNonFinite(text),
          "PatternText is not in fixed form", text);
  CheckReadsBack(text, f.overflows, "ToNumber refused a PatternText",
                 "ToNumber accepted a PatternText beyond the largest double");
  if (!f.overflows) {
    const double back = velmora::ToNumber(text);
    Require(std::fabs(back - f.value) <=
                0.5 * std::pow(10.0, -pattern.decimals) * (1.0 + 1e-9) + std::fabs(f.value) * 1e-15,
            "PatternText is further than half a unit of its last place", text);
  }

  const std::string cell = velmora::RightCell(text);
  Require(
      cell.size() == velmora::kCellWidth && velmora::CharacterCount(cell) == velmora::kCellWidth,
      "RightCell is not 7 characters wide", cell);
  const std::string expectedCell = text.size() >= velmora::kCellWidth
                                       ? text.substr(0, velmora::kCellWidth)
                                       : std::string(velmora::kCellWidth - text.size(), ' ') + text;
  Require(cell == expectedCell, "RightCell is neither the text's start nor the padded text", cell);
}

void CheckNumber(double x) {
  const Fifteen f = RoundToFifteen(x);

  const std::string general = velmora::GeneralText(x);
  Require(general.size() <= kLongestGeneralText, "GeneralText is longer than 22 characters",
          general);
  Require(general == ExpectedGeneral(f), "GeneralText differs from the 15-digit rounding", general);
  CheckReadsBack(general, f.overflows, "ToNumber refused a GeneralText",
                 "ToNumber accepted a GeneralText beyond the largest double");
  if (!f.overflows && velmora::ToNumber(general) != f.value) {
    Fail("GeneralText does not read back as the 15-digit rounding", general);
  }

  CheckPattern(x, f, velmora::kThreeDecimals);
  CheckPattern(x, f, velmora::kTwoDecimals);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
    double x = 0.0;
    std::memcpy(&x, data + at, sizeof x);
    if (!std::isfinite(x)) continue;
    CheckNumber(x);
  }
  return 0;
}
