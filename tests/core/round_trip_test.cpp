// A property over many random doubles: every general text reads back, and reads back as the
// double rounded to 15 significant digits.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "number_text.h"

namespace velmora {
namespace {

// The double nearest the exact value rounded to 15 significant digits, by the standard library's
// own correctly rounded conversions.
double RoundedToFifteen(double x) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14);
  double back = 0;
  std::from_chars(buffer, written.ptr, back);
  return back;
}

TEST(general_text_property, reads_back_as_the_fifteen_digit_rounding) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> mantissa(1.0, 10.0);
  std::uniform_int_distribution<int> exponent(-330, 310);
  for (int i = 0; i < 200000; ++i) {
    double x = 0;
    if (i % 2 == 0) {
      x = std::bit_cast<double>(random());  // every bit pattern, all exponents
      if (!std::isfinite(x)) continue;
    } else {
      x = mantissa(random) * std::pow(10.0, exponent(random));
      if (!std::isfinite(x)) continue;
    }
    const std::string text = GeneralText(x);
    double back = 0;
    ASSERT_NO_THROW(back = ToNumber(text)) << text;
    const double expected = x == 0.0 ? 0.0 : RoundedToFifteen(x);
    ASSERT_EQ(back, expected) << "GeneralText(" << x << ") = " << text;
    ASSERT_LE(text.size(), 22U) << text;
  }
}

}  // namespace
}  // namespace velmora
