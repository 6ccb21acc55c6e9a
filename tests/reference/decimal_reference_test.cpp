// Checks of the reference itself, so that a fault in it cannot hide behind agreement with the
// product: worked examples, and the C library's printf, which prints the exact binary value to any
// precision and rounds it correctly.

#include "decimal_reference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace velmora::reference {
namespace {

// printf's "%.*e" of `number` with `significant` digits, as a Decimal (magnitude only).
Decimal PrintfDecimal(double number, int significant) {
  std::vector<char> buffer(static_cast<std::size_t>(significant) + 32);
  std::snprintf(buffer.data(), buffer.size(), "%.*e", significant - 1, std::fabs(number));
  const std::string text(buffer.data());
  const auto e = text.find('e');
  Decimal out;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') out.digits += text[i];
  }
  out.exponent = std::atoi(text.c_str() + e + 1);
  out.digits.erase(out.digits.find_last_not_of('0') + 1);
  if (out.digits.empty()) out.exponent = 0;
  return out;
}

std::vector<double> RandomFiniteDoubles(std::uint64_t seed, int count) {
  std::mt19937_64 random(seed);
  std::vector<double> numbers;
  while (static_cast<int>(numbers.size()) < count) {
    const double x = std::bit_cast<double>(random());
    if (std::isfinite(x)) numbers.push_back(x);
  }
  // The extremes of the range, where the expansion is longest or shortest.
  numbers.push_back(std::numeric_limits<double>::denorm_min());
  numbers.push_back(std::numeric_limits<double>::min());
  numbers.push_back(std::numeric_limits<double>::max());
  numbers.push_back(-std::numeric_limits<double>::max());
  numbers.push_back(1.0);
  return numbers;
}

TEST(reference_model, exact_value_is_what_printf_prints_in_full) {
  for (const double x : RandomFiniteDoubles(71, 10000)) {
    const Decimal exact = ExactValue(x);
    ASSERT_EQ(exact.negative, std::signbit(x));
    ASSERT_FALSE(exact.digits.empty());
    const int length = static_cast<int>(exact.digits.size());
    const Decimal printed = PrintfDecimal(x, length);
    ASSERT_EQ(exact.digits, printed.digits) << std::hexfloat << x;
    ASSERT_EQ(exact.exponent, printed.exponent) << std::hexfloat << x;
    // One digit more must add only a zero, else the expansion stopped short.
    ASSERT_EQ(PrintfDecimal(x, length + 1).digits, printed.digits) << std::hexfloat << x;
  }
}

TEST(reference_model, fifteen_digits_are_printfs_correct_rounding) {
  // printf breaks an exact tie to even, like the reference's default; the powers of two times odd
  // integers below are such ties at the sixteenth digit.
  std::vector<double> numbers = RandomFiniteDoubles(72, 50000);
  for (const double tie : {1000000000000005.0, 999999999999999.5, 123456789012345.5,
                           12345678901234.25, 4503599627370495.0, 11.0 / 1048576}) {
    numbers.push_back(tie);
    numbers.push_back(-tie);
  }
  for (const double x : numbers) {
    const Decimal rounded =
        RoundToSignificant(ExactValue(x), kSignificantDigits, Tie::kHalfEven).value;
    const Decimal printed = PrintfDecimal(x, kSignificantDigits);
    ASSERT_EQ(rounded.digits, printed.digits) << std::hexfloat << x;
    ASSERT_EQ(rounded.exponent, printed.exponent) << std::hexfloat << x;
  }
}

struct TieCase {
  const char* digits;
  int exponent;
  const char* halfEven;
  const char* halfAway;
  int roundedExponent;  // same for both rules here
  bool tie;
};

TEST(reference_model, rounding_to_fifteen_digits_settles_ties_by_the_rule) {
  const TieCase cases[] = {
      {"1000000000000005", 15, "1", "100000000000001", 15, true},
      {"1000000000000015", 15, "100000000000002", "100000000000002", 15, true},
      {"10000000000000050000001", 15, "100000000000001", "100000000000001", 15, false},
      {"1000000000000004999", 15, "1", "1", 15, false},
      {"9999999999999995", 0, "1", "1", 1, true},
      {"9999999999999994", 0, "999999999999999", "999999999999999", 0, false},
      {"123", -7, "123", "123", -7, false},
  };
  for (const TieCase& c : cases) {
    const Decimal exact{false, c.digits, c.exponent};
    const Rounding even = RoundToSignificant(exact, kSignificantDigits, Tie::kHalfEven);
    const Rounding away = RoundToSignificant(exact, kSignificantDigits, Tie::kHalfAway);
    EXPECT_EQ(even.value.digits, c.halfEven) << c.digits;
    EXPECT_EQ(away.value.digits, c.halfAway) << c.digits;
    EXPECT_EQ(even.value.exponent, c.roundedExponent) << c.digits;
    EXPECT_EQ(even.tie, c.tie) << c.digits;
    EXPECT_EQ(away.tie, c.tie) << c.digits;
  }
}

struct TextCase {
  double number;
  std::string general;
  std::string threeDecimals;
  std::string twoDecimals;
};

TEST(reference_model, worked_examples) {
  const std::string threeHundredZeros(300, '0');
  const TextCase cases[] = {
      {370, "370", "370.000", "370.00"},
      {1.0 / 3, "0.333333333333333", "0.333", "0.33"},
      {std::ldexp(1.0, 60), "1.15292150460685E+18", "1152921504606850000.000",
       "1152921504606850000.00"},
      {0.00001, "1E-05", "0.000", "0.00"},
      {999999999999999.5, "1E+15", "1000000000000000.000", "1000000000000000.00"},
      {1e15, "1E+15", "1000000000000000.000", "1000000000000000.00"},
      {1e100, "1E+100", "1" + std::string(100, '0') + ".000", "1" + std::string(100, '0') + ".00"},
      {1e300, "1E+300", "1" + threeHundredZeros + ".000", "1" + threeHundredZeros + ".00"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324", "0.000", "0.00"},
      {-std::numeric_limits<double>::denorm_min(), "-4.94065645841247E-324", "0.000", "0.00"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308",
       "179769313486232" + std::string(294, '0') + ".000",
       "179769313486232" + std::string(294, '0') + ".00"},
      {1.0005, "1.0005", "1.001", "1.00"},
      {0.125, "0.125", "0.125", "0.13"},
      {-0.125, "-0.125", "-0.125", "-0.13"},
      {2.675, "2.675", "2.675", "2.68"},
      {3.005, "3.005", "3.005", "3.01"},
      {12345.6, "12345.6", "12345.600", "12345.60"},
      {0.0004, "0.0004", "0.000", "0.00"},
      {0.0001, "0.0001", "0.000", "0.00"},
      {-0.0001, "-0.0001", "0.000", "0.00"},
      {-0.0005, "-0.0005", "-0.001", "0.00"},
      {-0.005, "-0.005", "-0.005", "-0.01"},
      {-0.004, "-0.004", "-0.004", "0.00"},
      {0.0, "0", "0.000", "0.00"},
      {-0.0, "0", "0.000", "0.00"},
      {123456789012345, "123456789012345", "123456789012345.000", "123456789012345.00"},
      {0.1 + 0.2, "0.3", "0.300", "0.30"},
      {999.9995, "999.9995", "1000.000", "1000.00"},
      {-99.995, "-99.995", "-99.995", "-100.00"},
      {0.00009999999999999, "9.999999999999E-05", "0.000", "0.00"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(GeneralText(c.number), c.general) << c.general;
    EXPECT_EQ(PatternText(c.number, 3), c.threeDecimals) << c.general;
    EXPECT_EQ(PatternText(c.number, 2), c.twoDecimals) << c.general;
  }
}

TEST(reference_model, grammar_examples) {
  const struct {
    std::string text;
    bool number;
  } cases[] = {
      {"370", true},    {" 35 ", true},       {".5", true},     {"5.", true},
      {"+2", true},     {"-2", true},         {"1e3", true},    {"1E+3", true},
      {"1e-03", true},  {"  -.5e-3  ", true}, {"0", true},      {"", false},
      {"   ", false},   {"12mm", false},      {"1.2.3", false}, {"-", false},
      {".", false},     {"+-1", false},       {"1e", false},    {"1e+", false},
      {"e1", false},    {".e1", false},       {"1 2", false},   {"\t1", false},
      {"1\t", false},   {"1e3.5", false},     {"0x10", false},  {"inf", false},
      {"nan", false},   {"1,5", false},       {"1ee3", false},  {"++1", false},
      {"1e--3", false}, {"1.e3", true},       {"- 1", false},   {std::string("1\0", 2), false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesNumberGrammar(c.text), c.number) << c.text;
}

// Texts built from the pieces of a number, each piece present or not, then up to two bytes
// changed, so that matching and nearly matching texts are both common.
std::string RandomNearNumber(std::mt19937_64& random) {
  static const std::string kBytes(" +-.eE0123456789x\t\0", 19);
  const auto pick = [&random](const std::string& choices) {
    return choices[random() % choices.size()];
  };
  std::string text;
  const auto maybe = [&](const std::string& piece) {
    if (random() % 2 == 0) text += piece;
  };
  maybe(" ");
  maybe(std::string(1, pick("+-")));
  maybe(std::string(1, pick("0123456789")) + pick("0123456789"));
  maybe(".");
  maybe(std::string(1, pick("0123456789")));
  maybe(std::string(1, pick("eE")) + (random() % 2 == 0 ? std::string(1, pick("+-")) : ""));
  maybe(std::string(1, pick("0123456789")));
  maybe(" ");
  for (int slips = static_cast<int>(random() % 3); slips > 0; --slips) {
    const auto at = static_cast<std::size_t>(random() % (text.size() + 1));
    const char byte = random() % 8 == 0 ? static_cast<char>(random() % 256) : pick(kBytes);
    if (random() % 2 == 0 || at == text.size()) {
      text.insert(at, 1, byte);
    } else {
      text[at] = byte;
    }
  }
  return text;
}

// The hand-written matcher against the grammar written once more as a regular expression.
TEST(reference_model, grammar_matcher_agrees_with_a_regular_expression) {
  const std::regex grammar(R"( *[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)? *)");
  std::mt19937_64 random(73);
  int matched = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string text = RandomNearNumber(random);
    const bool expected = std::regex_match(text, grammar);
    matched += expected ? 1 : 0;
    ASSERT_EQ(MatchesNumberGrammar(text), expected) << text;
  }
  EXPECT_GT(matched, 2000);
  EXPECT_LT(matched, 18000);
}

}  // namespace
}  // namespace velmora::reference
