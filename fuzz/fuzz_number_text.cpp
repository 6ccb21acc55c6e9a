// GeneralText, PatternText and RightCell on arbitrary doubles, one per 8 input bytes. The expected
// texts come from the tests' decimal reference, which expands each double exactly on its own, so
// neither the core's digit extraction nor its formatting is trusted; an infinity or a NaN must be
// refused.

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
#include "decimal_reference.h"
#include "fuzz_support.h"
#include "number_text.h"

namespace {

using velmora::fuzz::Fail;
using velmora::fuzz::Require;

constexpr std::size_t kLongestGeneralText = 22;  // "-1.23456789012345E-308"

// x rounded to 15 significant digits by the reference, and that decimal read back as a double.
struct Fifteen {
  std::string general;     // the reference's general text
  bool overflows = false;  // the rounded decimal lies beyond the largest double
  double value = 0.0;
};

Fifteen RoundToFifteen(double x) {
  Fifteen f;
  f.general = velmora::reference::GeneralText(x);
  const auto read = std::from_chars(f.general.data(), f.general.data() + f.general.size(), f.value);
  f.overflows = read.ec == std::errc::result_out_of_range;
  Require(f.overflows || read.ec == std::errc{}, "from_chars refused the reference's text",
          f.general);
  return f;
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
  Require(text == velmora::reference::PatternText(x, pattern.decimals),
          "PatternText differs from the decimal reference", text);

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
  Require(general == f.general, "GeneralText differs from the decimal reference", general);
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
    if (std::isfinite(x)) {
      CheckNumber(x);
      continue;
    }
    // No field may show an infinity or a NaN: the conversions refuse them.
    for (const auto& convert :
         {+[](double v) { return velmora::GeneralText(v); },
          +[](double v) { return velmora::PatternText(v, velmora::kThreeDecimals); }}) {
      try {
        Fail("a non-finite number became a text", convert(x));
      } catch (const velmora::CalcError&) {
      }
    }
  }
  return 0;
}
