// The conversions between field texts and numbers, replayed on the examples that define them and
// on the rounding rows that break a naive printf-based implementation.

#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "calc_error.h"
#include "character_count.h"

namespace velmora {
namespace {

struct NumberCase {
  const char* text;
  double expected;
};

TEST(to_number, accepts_the_number_grammar) {
  const NumberCase cases[] = {
      {"370", 370.0},
      {"0.4323", 0.4323},
      {"-12.5", -12.5},
      {"1e3", 1000.0},
      {"1E3", 1000.0},
      {" 35 ", 35.0},
      {" 70 ", 70.0},
      {"+2", 2.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"-.5e+1", -5.0},
      {"2.5E-3", 0.0025},
      {"1.15292150460685E+18", 1.15292150460685e18},
      {"1.4210854715202E-14", 1.4210854715202e-14},
      {"1.79769313486231E+308", 1.79769313486231e308},
      {"4.9e-324", 4.9e-324},
      {"000123.4500", 123.45},
      {"0e99999999999999999999", 0.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ToNumber(c.text), c.expected) << "ToNumber(\"" << c.text << "\")";
  }
}

TEST(to_number, underflow_gives_zero_of_the_written_sign) {
  EXPECT_EQ(ToNumber("1e-400"), 0.0);
  EXPECT_FALSE(std::signbit(ToNumber("1e-400")));
  EXPECT_TRUE(std::signbit(ToNumber("-1e-400")));
  EXPECT_EQ(ToNumber("0.000001e-99999999999999999999"), 0.0);
  EXPECT_TRUE(std::signbit(ToNumber("-0")));
}

TEST(to_number, rejects_everything_else) {
  const char* const rejected[] = {
      "",      "   ",         "abc",         "12mm",  "1.2.3",  "-",
      "+",     ".",           "e5",          "1e",    "1e+",    "1 2",
      "1,000", "0x10",        "inf",         "nan",   "--1",    "+-1",
      "1e1.5", "\t1",         "1\t",         "1e309", "-1e309", "1e99999999999999999999",
      "１",    "7.0135641e-", "1.42108547E",
  };
  for (const char* text : rejected) {
    EXPECT_THROW((void)ToNumber(text), CalcError) << "ToNumber(\"" << text << "\")";
  }
}

TEST(to_number, text_with_an_embedded_nul_is_rejected) {
  const std::string text(
      "12\0"
      "3",
      4);
  EXPECT_THROW((void)ToNumber(text), CalcError);
}

struct TextCase {
  double number;
  const char* expected;
};

TEST(general_text, fixed_form_up_to_fifteen_significant_digits) {
  const TextCase cases[] = {
      {370.0, "370"},
      {35.0, "35"},
      {0.4323, "0.4323"},
      {0.686, "0.686"},
      {-0.5, "-0.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {0.1 + 0.2, "0.3"},
      {370.0 * 0.4323, "159.951"},
      {40.3935563452660, "40.393556345266"},
      {123456789012345.0, "123456789012345"},
      {100.0, "100"},
      {0.0001, "0.0001"},
      {0.00012345, "0.00012345"},
      {999999999999999.0, "999999999999999"},
      {-35.5, "-35.5"},
      {0.0, "0"},
      {-0.0, "0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GeneralText(c.number), c.expected) << "GeneralText(" << c.number << ")";
  }
}

TEST(general_text, exponent_form_for_large_and_small_magnitudes) {
  const TextCase cases[] = {
      {std::ldexp(1.0, 60), "1.15292150460685E+18"},
      {(1.0 / 3.0) * 1e-10, "3.33333333333333E-11"},
      {1.4210854715202004e-14, "1.4210854715202E-14"},
      {1e15, "1E+15"},
      {999999999999999.5, "1E+15"},  // rounds up to 16 digits, so exponent form
      {-1e15, "-1E+15"},
      {0.00001, "1E-05"},
      {0.000099999999999999999, "0.0001"},  // rounds up into the fixed range
      {1e100, "1E+100"},
      {1.5e-300, "1.5E-300"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GeneralText(c.number), c.expected) << "GeneralText(" << c.number << ")";
  }
}

TEST(general_text, rounds_from_the_exact_binary_value) {
  // 0.1234567890123455 is stored just below its 16-digit text, so it rounds down to 15 digits;
  // a rounding of the shortest text would round up.
  const double justBelowHalf = 0.1234567890123455;
  EXPECT_EQ(GeneralText(justBelowHalf), "0.123456789012345");
  // 1.0000000000000011 lies above its shortest 17-digit text's 15-digit midpoint.
  EXPECT_EQ(GeneralText(1.0000000000000011), "1");
  EXPECT_EQ(GeneralText(0.30000000000000004), "0.3");
  EXPECT_EQ(GeneralText(0.9999999999999999), "1");
}

TEST(number_to_text, an_infinity_or_a_nan_is_refused_not_written) {
  // No field may hold one: each conversion raises the calculator's error instead of a text.
  const double cases[] = {std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};
  for (const double x : cases) {
    EXPECT_THROW((void)GeneralText(x), CalcError) << x;
    EXPECT_THROW((void)PatternText(x, kThreeDecimals), CalcError) << x;
    EXPECT_THROW((void)PatternText(x, kTwoDecimals), CalcError) << x;
  }
}

TEST(integer_text, digits_without_blank) {
  const std::pair<std::int16_t, const char*> cases[] = {
      {370, "370"}, {70, "70"}, {0, "0"}, {1, "1"}, {-5, "-5"}, {-32768, "-32768"}};
  for (const auto& [number, expected] : cases) EXPECT_EQ(IntegerText(number), expected);
}

struct PatternCase {
  double number;
  DisplayPattern pattern;
  const char* expected;
};

TEST(pattern_text, rounds_the_fifteen_digit_decimal_half_away_from_zero) {
  const PatternCase cases[] = {
      {159.951, kThreeDecimals, "159.951"},
      {-98.1234, kThreeDecimals, "-98.123"},
      {12345.6, kThreeDecimals, "12345.600"},
      {0.0004, kThreeDecimals, "0.000"},
      {0.00025, kThreeDecimals, "0.000"},
      {1.9996, kThreeDecimals, "2.000"},
      {1.0005, kThreeDecimals, "1.001"},  // the double lies below 1.0005; its 15 digits do not
      {0.0005, kThreeDecimals, "0.001"},
      {999.9995, kThreeDecimals, "1000.000"},
      {0.5, kTwoDecimals, "0.50"},
      {35.0, kTwoDecimals, "35.00"},
      {0.125, kTwoDecimals, "0.13"},  // printf gives 0.12
      {-0.125, kTwoDecimals, "-0.13"},
      {2.675, kTwoDecimals, "2.68"},  // printf gives 2.67
      {3.005, kTwoDecimals, "3.01"},  // printf gives 3.00
      {0.9999999999999999, kTwoDecimals, "1.00"},
      {0.30000000000000004, kTwoDecimals, "0.30"},
      {10000.0, kTwoDecimals, "10000.00"},
      {1.4210854715202004e-14, kTwoDecimals, "0.00"},
      {-0.0001, kThreeDecimals, "0.000"},  // a rounded zero has no minus sign
      {-0.0, kTwoDecimals, "0.00"},
      {0.0, kThreeDecimals, "0.000"},
      {1e20, kTwoDecimals, "100000000000000000000.00"},
      {-123456789012345678.0, kThreeDecimals, "-123456789012346000.000"},
      {0.004999, kTwoDecimals, "0.00"},
      {0.005, kTwoDecimals, "0.01"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PatternText(c.number, c.pattern), c.expected)
        << "PatternText(" << c.number << ", \"" << c.pattern.text << "\")";
  }
}

TEST(pattern_text, converts_a_text_value_first) {
  EXPECT_EQ(PatternText("159.951000000001", kThreeDecimals), "159.951");
  EXPECT_EQ(PatternText("120.16364259306", kThreeDecimals), "120.164");
  EXPECT_EQ(PatternText("1.4210854715202E-14", kTwoDecimals), "0.00");
  EXPECT_EQ(PatternText("-16.7289017371822", kTwoDecimals), "-16.73");
  EXPECT_THROW((void)PatternText("abc", kTwoDecimals), CalcError);
}

TEST(right_cell, pads_in_front_or_keeps_the_first_seven) {
  // The last rows count characters, not bytes: a minus sign and full-width digits of three bytes.
  const std::pair<const char*, const char*> cases[] = {
      {"5.00", "   5.00"},
      {"0.123", "  0.123"},
      {"12.345", " 12.345"},
      {"1234.567", "1234.56"},
      {"-123.456", "-123.45"},
      {"10000.00", "10000.0"},
      {"", "       "},
      {"1000.000", "1000.00"},
      {"abcdefg", "abcdefg"},
      {"\u22121.5", "   \u22121.5"},
      {"\uFF11\uFF12\uFF13\uFF14.\uFF15\uFF16\uFF17", "\uFF11\uFF12\uFF13\uFF14.\uFF15\uFF16"},
      {"1234.567\u00E9", "1234.56"},
  };
  for (const auto& [text, cell] : cases) EXPECT_EQ(RightCell(text), cell) << text;
}

TEST(int_part, floors_rather_than_truncates) {
  EXPECT_EQ(Int(35.0), 35.0);
  EXPECT_EQ(Int(37.5), 37.0);
  EXPECT_EQ(Int(-0.5), -1.0);
  EXPECT_EQ(Int(-2.0), -2.0);
}

TEST(is_empty_text, only_the_text_of_no_characters) {
  EXPECT_TRUE(IsEmptyText(""));
  EXPECT_FALSE(IsEmptyText(" "));
  EXPECT_FALSE(IsEmptyText("0"));
}

TEST(characters, counted_in_utf16_units_and_never_split) {
  EXPECT_EQ(CharacterCount("abc"), 3U);
  EXPECT_EQ(CharacterCount("主反射鏡"), 4U);
  EXPECT_EQ(CharacterCount("\xF0\x9F\x98\x80"), 2U);  // an emoji takes a surrogate pair
  EXPECT_EQ(FirstCharacters("123456789\xF0\x9F\x98\x80", 10), "123456789");
  EXPECT_EQ(FirstCharacters("12345678\xF0\x9F\x98\x80", 10), "12345678\xF0\x9F\x98\x80");
  EXPECT_EQ(FirstCharacters("あいうえおかきくけこさ", 10), "あいうえおかきくけこ");
  EXPECT_EQ(FirstCharacters("\xFF\xFE", 1), "\xFF");  // stray bytes count one each
  EXPECT_EQ(CharacterCount("\xE5\x89"), 2U);          // a sequence cut short by the end
  EXPECT_EQ(CharacterCount("\xE5\x89!"), 3U);         // or by a byte that continues nothing
  EXPECT_EQ(CharacterCount("a\x80"), 2U);             // a continuation byte on its own
  EXPECT_EQ(CharacterCount("a\xE5\x89\xAF"), 2U);     // a character that ends the text
}

}  // namespace
}  // namespace velmora
