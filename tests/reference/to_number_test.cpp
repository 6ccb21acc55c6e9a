// The reader against the C library's strtod on random texts of the number grammar, against exact
// midpoints between doubles computed by the reference, and on random byte strings, where a text
// must be accepted exactly when the reference's grammar matcher matches and the value is in range.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc_error.h"
#include "decimal_reference.h"
#include "number_text.h"

namespace velmora {
namespace {

using Random = std::mt19937_64;
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();

int Uniform(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

std::string Hex(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%016llx",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(x)));
  return text;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
      out += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
      out += escaped;
    }
  }
  return "\"" + out + "\"";
}

std::uint64_t Bits(double x) {
  return std::bit_cast<std::uint64_t>(x);
}

// What the reader should make of a text the grammar accepts: strtod's nearest double, or nothing
// (CalcError) when that is beyond the largest double. strtod gives zero of the written sign on
// underflow, as the reader must.
struct Outcome {
  bool accepted;
  double value;
};

Outcome Expected(const std::string& text) {
  if (!reference::MatchesNumberGrammar(text)) return {false, 0.0};
  const double nearest = std::strtod(text.c_str(), nullptr);
  return {!std::isinf(nearest), nearest};
}

// ToNumber's outcome, or a description of how it differs from `expected`.
std::string Mismatch(const std::string& text, const Outcome& expected) {
  try {
    const double value = ToNumber(text);
    if (!expected.accepted) return Printable(text) + " accepted as " + Hex(value);
    if (Bits(value) != Bits(expected.value)) {
      return Printable(text) + " gave " + Hex(value) + ", expected " + Hex(expected.value);
    }
  } catch (const CalcError&) {
    if (expected.accepted) return Printable(text) + " refused, expected " + Hex(expected.value);
  }
  return {};
}

std::string RandomDigits(Random& random, int count) {
  std::string digits;
  for (int k = 0; k < count; ++k) digits += char('0' + Uniform(random, 0, 9));
  return digits;
}

// A random text of the grammar: spaces, sign, digits around an optional point, optional exponent.
// One in twenty has hundreds of digits, which the reader must round as a whole.
std::string RandomNumberText(Random& random) {
  const char* const signs[] = {"", "+", "-"};
  std::string text(static_cast<std::size_t>(Uniform(random, 0, 3)), ' ');
  text += signs[random() % 3];
  const int longest = random() % 20 == 0 ? 400 : 20;
  int integerDigits = Uniform(random, 0, longest);
  const int fractionDigits = Uniform(random, 0, longest);
  if (integerDigits + fractionDigits == 0) integerDigits = 1;
  text += RandomDigits(random, integerDigits);
  if (fractionDigits > 0 || random() % 4 == 0) text += '.';
  text += RandomDigits(random, fractionDigits);
  if (random() % 3 != 0) {
    text += random() % 2 == 0 ? 'e' : 'E';
    const int exponent = Uniform(random, -350, 350);
    text += exponent < 0 ? "-" : signs[random() % 2];
    text += std::string(static_cast<std::size_t>(Uniform(random, 0, 2)), '0');
    text += std::to_string(std::abs(exponent));
  }
  text += std::string(static_cast<std::size_t>(Uniform(random, 0, 3)), ' ');
  return text;
}

TEST(reference_to_number, random_grammar_texts_give_strtods_double) {
  Random random(201);
  std::size_t overflows = 0;
  std::size_t underflows = 0;
  std::vector<std::string> mismatches;
  for (int i = 0; i < 200'000; ++i) {
    const std::string text = RandomNumberText(random);
    const Outcome expected = Expected(text);
    ASSERT_TRUE(reference::MatchesNumberGrammar(text)) << Printable(text);
    if (!expected.accepted) ++overflows;
    if (expected.accepted && expected.value == 0.0 &&
        text.find_first_of("123456789") != std::string::npos) {
      ++underflows;
    }
    const std::string mismatch = Mismatch(text, expected);
    if (!mismatch.empty() && mismatches.size() < 25) mismatches.push_back(mismatch);
  }
  for (const std::string& line : mismatches) ADD_FAILURE() << line;
  // The draw must reach both ends of the range, or the checks above proved little.
  EXPECT_GT(overflows, 1000U);
  EXPECT_GT(underflows, 1000U);
}

// The exact decimal of mantissa x 2^exponent in scientific form, or a hair below or above it.
enum class Nudge { kNone, kBelow, kAbove };

std::string ExactText(bool negative, std::uint64_t mantissa, int exponent, Nudge nudge) {
  const reference::Decimal d = reference::ExactBinary(negative, mantissa, exponent);
  std::string digits = d.digits;
  if (nudge == Nudge::kBelow) {
    --digits.back();  // never a zero: the digits have no trailing zeros
    digits += "999";
  } else if (nudge == Nudge::kAbove) {
    digits += "001";
  }
  return std::string(negative ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "e" +
         std::to_string(d.exponent);
}

TEST(reference_to_number, exact_midpoints_go_to_the_even_neighbour) {
  Random random(202);
  std::vector<double> lower = {0.0, kDenormMin, std::numeric_limits<double>::min(),
                               1.0, kMax,       std::nextafter(kMax, 0.0)};
  while (lower.size() < 30'000) {
    const double x = std::fabs(std::bit_cast<double>(random()));
    if (std::isfinite(x)) lower.push_back(x);
  }
  std::vector<std::string> mismatches;
  for (const double x : lower) {
    const auto bits = Bits(x);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    const std::uint64_t mantissa = biased == 0 ? fraction : fraction | (std::uint64_t{1} << 52);
    const int exponent = biased == 0 ? -1074 : biased - 1075;
    const double upper = std::nextafter(x, std::numeric_limits<double>::infinity());
    const bool negative = random() % 2 == 0;
    const auto sign = [negative](double v) { return negative ? -v : v; };
    // Beyond the largest double the upper neighbour is infinity: no value, an overflow.
    const Outcome upperOutcome{!std::isinf(upper), sign(upper)};
    const Outcome lowerOutcome{true, sign(x)};
    const std::uint64_t twice = 2 * mantissa + 1;
    const std::string half = ExactText(negative, twice, exponent - 1, Nudge::kNone);
    const std::string below = ExactText(negative, twice, exponent - 1, Nudge::kBelow);
    const std::string above = ExactText(negative, twice, exponent - 1, Nudge::kAbove);
    const struct {
      const std::string& text;
      Outcome expected;
    } cases[] = {
        {half, bits % 2 == 0 ? lowerOutcome : upperOutcome},
        {below, lowerOutcome},
        {above, upperOutcome},
    };
    for (const auto& c : cases) {
      const std::string mismatch = Mismatch(c.text, c.expected);
      if (!mismatch.empty() && mismatches.size() < 25) mismatches.push_back(mismatch);
    }
  }
  for (const std::string& line : mismatches) ADD_FAILURE() << line;
}

TEST(reference_to_number, edges_of_the_range) {
  const struct {
    const char* text;
    bool accepted;
    double value;
  } cases[] = {
      {"1.7976931348623157e308", true, kMax},
      {"1.7976931348623158e308", true, kMax},
      {"1.79769313486232E+308", false, 0.0},  // the general text of the largest double
      {"-1.79769313486232E+308", false, 0.0},
      {"1e309", false, 0.0},
      {"-1e309", false, 0.0},
      {"0.0000000001e318", true, 1e308},
      {"4.94065645841247E-324", true, kDenormMin},
      {"2.4703282292062328e-324", true, kDenormMin},
      {"2.4703282292062327e-324", true, 0.0},
      {"-2.4703282292062327e-324", true, -0.0},
      {"1e-400", true, 0.0},
      {"-1e-400", true, -0.0},
      {"-0", true, -0.0},
      {"+0", true, 0.0},
      {"0e999999999999", true, 0.0},
      {"-0.000e-999999999999", true, -0.0},
      {"1e-999999999999999999999", true, 0.0},
      {"1e999999999999999999999", false, 0.0},
      {"  000000000000000000000000000012.5e-1  ", true, 1.25},
  };
  for (const auto& c : cases) {
    const std::string mismatch = Mismatch(c.text, {c.accepted, c.value});
    EXPECT_TRUE(mismatch.empty()) << mismatch;
  }
}

// Bytes a number text is made of, the characters a reader might wrongly skip, and others.
std::string RandomByteText(Random& random) {
  static const std::string kAlphabet(" +-.eE0123456789x\t\0", 19);
  const auto randomByte = [&random]() -> char {
    if (random() % 10 == 0) return static_cast<char>(random() % 256);
    return kAlphabet[random() % kAlphabet.size()];
  };
  std::string text;
  if (random() % 2 == 0) {
    const int length = Uniform(random, 0, 12);
    for (int k = 0; k < length; ++k) text += randomByte();
    return text;
  }
  // A number with a few slips of the pen, so that nearly valid texts are common.
  text = RandomNumberText(random);
  if (text.size() > 40) text.resize(40);
  const int slips = Uniform(random, 0, 2);
  for (int k = 0; k < slips; ++k) {
    const auto at = static_cast<std::size_t>(Uniform(random, 0, static_cast<int>(text.size())));
    switch (random() % 3) {
      case 0:
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), randomByte());
        break;
      case 1:
        if (at < text.size()) text[at] = randomByte();
        break;
      default:
        if (at < text.size()) text.erase(at, 1);
        break;
    }
  }
  return text;
}

TEST(reference_grammar, random_bytes_are_accepted_exactly_when_the_grammar_matches) {
  Random random(203);
  std::size_t accepted = 0;
  std::size_t refused = 0;
  std::vector<std::string> mismatches;
  for (int i = 0; i < 200'000; ++i) {
    const std::string text = RandomByteText(random);
    const Outcome expected = Expected(text);
    (expected.accepted ? accepted : refused)++;
    const std::string mismatch = Mismatch(text, expected);
    if (!mismatch.empty() && mismatches.size() < 25) mismatches.push_back(mismatch);
  }
  for (const std::string& line : mismatches) ADD_FAILURE() << line;
  EXPECT_GT(accepted, 30'000U);
  EXPECT_GT(refused, 30'000U);
}

}  // namespace
}  // namespace velmora
