// The product's general and display-pattern texts against the reference on more than a million
// doubles, drawn where the formatting has decisions to make: every binary exponent, the edges of
// the fifteen-digit rounding and of the fixed form, the halves of the patterns, subnormals and the
// largest doubles, and the doubles whose shortest digits end in a sixteenth digit 5. Every text
// the product writes must also read back.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "calc_error.h"
#include "decimal_reference.h"
#include "number_text.h"

#ifndef VELMORA_REFERENCE_SCALE
#define VELMORA_REFERENCE_SCALE 1
#endif

namespace velmora {
namespace {

// The soak build multiplies the random draws; the fixed neighbourhoods stay as they are.
constexpr std::size_t kScale = VELMORA_REFERENCE_SCALE;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

using Random = std::mt19937_64;

class Sample {
 public:
  void Add(double x) {
    if (std::isfinite(x)) numbers_.push_back(x);
  }
  void AddSigned(Random& random, double x) { Add(random() % 2 == 0 ? x : -x); }
  // x and `steps` doubles on either side of it.
  void AddNeighbourhood(double x, int steps) {
    Add(x);
    double up = x;
    double down = x;
    for (int k = 0; k < steps; ++k) {
      up = std::nextafter(up, kInfinity);
      down = std::nextafter(down, -kInfinity);
      Add(up);
      Add(down);
    }
  }
  const std::vector<double>& numbers() const { return numbers_; }

 private:
  std::vector<double> numbers_;
};

double Nearest(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

int Uniform(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

std::string RandomDigits(Random& random, int count, bool leadingNonZero) {
  std::string digits;
  for (int k = 0; k < count; ++k) {
    digits += char('0' + Uniform(random, k == 0 && leadingNonZero ? 1 : 0, 9));
  }
  return digits;
}

// Scientific text d.ddd...e<exponent> of a digit string.
std::string Scientific(const std::string& digits, int exponent) {
  return digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
}

// A decimal exponent: half of the draws in the fixed form's range and a little beyond.
int DecimalExponent(Random& random) {
  return random() % 2 == 0 ? Uniform(random, -6, 16) : Uniform(random, -307, 307);
}

double FromParts(bool negative, int biasedExponent, std::uint64_t fraction) {
  return std::bit_cast<double>((std::uint64_t{negative} << 63) |
                               (std::uint64_t(biasedExponent) << 52) |
                               (fraction & ((std::uint64_t{1} << 52) - 1)));
}

void RandomBitPatterns(Random& random, Sample& sample) {
  for (std::size_t i = 0; i < 250'000 * kScale; ++i) {
    sample.Add(FromParts(random() % 2 == 0, Uniform(random, 0, 2046), random()));
  }
}

// Binary exponents from about 1E-9 to 1E+16: the fixed form, the patterns' decimals and the
// magnitudes the calculator's fields mostly hold.
void FixedFormRange(Random& random, Sample& sample) {
  for (std::size_t i = 0; i < 150'000 * kScale; ++i) {
    sample.Add(FromParts(random() % 2 == 0, Uniform(random, 1023 - 30, 1023 + 54), random()));
  }
}

// 9.99...95 x 10^p rounds up to the next power of ten and may cross into the other form.
void FifteenDigitBoundaries(Random&, Sample& sample) {
  const char* const mantissas[] = {"9.999999999999995", "9.99999999999999", "1",
                                   "9.9999999999999949", "9.9999999999999951"};
  for (int p = -324; p <= 308; ++p) {
    for (const char* mantissa : mantissas) {
      const double x = Nearest(std::string(mantissa) + "e" + std::to_string(p));
      if (x == 0.0 || std::isinf(x)) continue;
      sample.AddNeighbourhood(x, 6);
      sample.AddNeighbourhood(-x, 6);
    }
  }
}

// Digits followed by nines up to the fifteenth and a sixteenth digit near 5, so that rounding
// carries through the nines.
void CarryChains(Random& random, Sample& sample) {
  const char* const tails[] = {"5", "49", "51"};
  for (std::size_t i = 0; i < 30'000 * kScale; ++i) {
    const int prefix = Uniform(random, 1, 14);
    const std::string digits = RandomDigits(random, prefix, true) +
                               std::string(static_cast<std::size_t>(15 - prefix), '9') +
                               tails[random() % 3];
    const double x = Nearest(Scientific(digits, DecimalExponent(random)));
    sample.AddNeighbourhood(random() % 2 == 0 ? x : -x, 1);
  }
}

// Number of digits from the first non-zero one, the point not counted.
int SignificantCount(const std::string& text) {
  int count = 0;
  bool started = false;
  for (const char c : text) {
    if (c == '.') continue;
    started = started || c != '0';
    if (started) ++count;
  }
  return count;
}

// Decimals ending in 5 just after the pattern's last place (x.xxx5, x.xx5), and the decimals a
// hair either side of that half within fifteen digits.
void PatternHalfways(Random& random, Sample& sample) {
  for (std::size_t i = 0; i < 25'000 * kScale; ++i) {
    const int decimals = Uniform(random, 2, 3);
    const int integerDigits = Uniform(random, 0, 14 - decimals);
    const std::string base =
        (integerDigits == 0 ? "0" : RandomDigits(random, integerDigits, true)) + "." +
        RandomDigits(random, decimals, false);
    const int fill = 15 - SignificantCount(base) - 1;
    std::vector<std::string> texts = {base + "5"};
    if (fill >= 1) {
      texts.push_back(base + "4" + std::string(static_cast<std::size_t>(fill), '9'));
      texts.push_back(base + "5" + std::string(static_cast<std::size_t>(fill - 1), '0') + "1");
    }
    for (const std::string& text : texts) {
      const double x = Nearest(text);
      sample.AddNeighbourhood(random() % 2 == 0 ? x : -x, 1);
    }
  }
}

void SubnormalsAndExtremes(Random& random, Sample& sample) {
  constexpr double kDenormMin = std::numeric_limits<double>::denorm_min();
  constexpr double kMinNormal = std::numeric_limits<double>::min();
  constexpr double kMax = std::numeric_limits<double>::max();
  sample.Add(0.0);
  sample.Add(-0.0);
  for (std::uint64_t k = 1; k <= 5000; ++k) {
    sample.Add(std::bit_cast<double>(k));  // k times the smallest subnormal
    sample.Add(-std::bit_cast<double>(k));
  }
  for (std::size_t i = 0; i < 45'000 * kScale; ++i) {
    sample.Add(FromParts(random() % 2 == 0, 0, random()));
  }
  sample.AddNeighbourhood(kDenormMin, 3);
  sample.AddNeighbourhood(kMinNormal, 1000);
  sample.AddNeighbourhood(-kMinNormal, 1000);
  sample.AddNeighbourhood(kMax, 5000);
  sample.AddNeighbourhood(-kMax, 5000);
  for (int e = -1074; e <= 1023; ++e) {
    sample.AddNeighbourhood(std::ldexp(1.0, e), 2);
    sample.AddNeighbourhood(-std::ldexp(1.0, e), 2);
  }
  for (int p = -323; p <= 308; ++p) {
    const double x = Nearest("1e" + std::to_string(p));
    sample.AddNeighbourhood(x, 4);
    sample.AddNeighbourhood(-x, 4);
  }
}

// Whether the shortest digits that read back as x are sixteen and end in 5: no fifteen-digit
// decimal reads back (the correctly rounded one is the only candidate, a fifteen-digit step being
// wider than a double's), and the correctly rounded sixteen digits do and end in 5.
bool ShortestIsSixteenEndingInFive(double x) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", x);
  if (std::strtod(text, nullptr) == x) return false;
  std::snprintf(text, sizeof text, "%.15e", x);
  const char* e = std::strchr(text, 'e');
  return e[-1] == '5' && std::strtod(text, nullptr) == x;
}

void SixteenDigitFives(Random& random, Sample& sample) {
  std::size_t found = 0;
  while (found < 100'000 * kScale) {
    const std::string digits = RandomDigits(random, 15, true) + "5";
    const double x = Nearest(Scientific(digits, DecimalExponent(random)));
    if (!std::isfinite(x) || x == 0.0 || !ShortestIsSixteenEndingInFive(x)) continue;
    sample.AddSigned(random, x);
    ++found;
  }
}

// Doubles that are exactly a sixteen-digit decimal ending in 5: a * 2^-k with a odd and
// a * 5^k of sixteen digits. Their fifteen-digit rounding is an exact tie.
void ExactTies(Random& random, Sample& sample) {
  constexpr std::uint64_t kLargestMantissa = (std::uint64_t{1} << 53) - 1;
  for (std::size_t i = 0; i < 20'000 * kScale; ++i) {
    const int k = Uniform(random, 0, 22);
    std::uint64_t five = 1;
    for (int j = 0; j < k; ++j) five *= 5;
    const std::uint64_t low = (1'000'000'000'000'000ULL + five - 1) / five;
    const std::uint64_t high =
        std::min<std::uint64_t>(9'999'999'999'999'999ULL / five, kLargestMantissa);
    std::uint64_t a = std::uniform_int_distribution<std::uint64_t>(low, high)(random);
    if (k == 0) {
      a = a - a % 10 + 5;  // the tie digit must be the integer's own last digit
      if (a > high) a -= 10;
    } else {
      a |= 1;
      if (a > high) a -= 2;
    }
    sample.AddSigned(random, std::ldexp(static_cast<double>(a), -k));
  }
}

// Short binary fractions n + f / 2^j: exact decimals such as 0.125 or 2.0625 whose last digit
// is a 5 at or beyond the patterns' first dropped place.
void DyadicFractions(Random& random, Sample& sample) {
  for (std::size_t i = 0; i < 20'000 * kScale; ++i) {
    const int j = Uniform(random, 1, 12);
    const int f = Uniform(random, 0, (1 << (j - 1)) - 1) * 2 + 1;
    const double n = random() % 4 == 0 ? static_cast<double>(random() % 10'000'000'000ULL)
                                       : static_cast<double>(random() % 1000);
    sample.AddSigned(random, n + std::ldexp(f, -j));
  }
}

struct Category {
  const char* name;
  std::uint64_t seed;
  std::size_t minimum;  // doubles the category contributes at the least
  void (*generate)(Random&, Sample&);
};

void PrintTo(const Category& category, std::ostream* out) {
  *out << category.name;
}

constexpr Category kCategories[] = {
    {"random_bit_patterns", 101, 249'000, RandomBitPatterns},
    {"fixed_form_range", 102, 150'000, FixedFormRange},
    {"fifteen_digit_boundaries", 103, 80'000, FifteenDigitBoundaries},
    {"carry_chains", 104, 90'000, CarryChains},
    {"pattern_halfways", 105, 200'000, PatternHalfways},
    {"subnormals_and_extremes", 106, 100'000, SubnormalsAndExtremes},
    {"sixteen_digit_fives", 107, 100'000, SixteenDigitFives},
    {"exact_ties", 108, 20'000, ExactTies},
    {"dyadic_fractions", 109, 20'000, DyadicFractions},
};

constexpr std::size_t MinimumTotal() {
  std::size_t total = 0;
  for (const Category& category : kCategories) total += category.minimum;
  return total;
}
static_assert(MinimumTotal() >= 1'000'000, "the comparison covers at least a million doubles");

std::string Hex(double x) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%016llx",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(x)));
  return text;
}

struct Tally {
  std::size_t compared = 0;
  std::size_t failures = 0;
  std::vector<std::string> shown;       // the first failures in full
  std::size_t tiesToEven = 0;           // exact ties the product settled as the reference
  std::vector<std::string> tieChoices;  // exact ties the product settled the other way
  std::vector<std::string> outOfRange;  // texts that read back beyond the largest double

  void Fail(const std::string& what) {
    ++failures;
    if (shown.size() < 25) shown.push_back(what);
  }
};

// The product's text must be the reference's. An exact fifteen-digit tie may go either way, as
// long as it goes to one of the two neighbours; the other choice is listed, not failed.
void CheckText(const char* form, double x, const std::string& actual, const std::string& even,
               const std::string& away, bool tie, Tally& tally) {
  const bool choice = tie && even != away;
  if (actual == even) {
    if (choice) ++tally.tiesToEven;
    return;
  }
  if (choice && actual == away) {
    tally.tieChoices.push_back(std::string(form) + " " + Hex(x) + ": reference " + even +
                               ", product " + actual);
    return;
  }
  tally.Fail(std::string(form) + " of " + Hex(x) + ": expected " + even + ", actual " + actual);
}

// Every written text reads back to the double nearest its value, the C library's strtod being the
// judge; a value beyond the largest double must be refused.
void CheckReadsBack(double x, const std::string& text, Tally& tally) {
  const double nearest = std::strtod(text.c_str(), nullptr);
  try {
    const double back = ToNumber(text);
    if (std::isinf(nearest)) {
      tally.Fail("ToNumber(\"" + text + "\") of " + Hex(x) + " should have overflowed");
    } else if (std::bit_cast<std::uint64_t>(back) != std::bit_cast<std::uint64_t>(nearest)) {
      tally.Fail("ToNumber(\"" + text + "\") of " + Hex(x) + " gave " + Hex(back) + ", strtod " +
                 Hex(nearest));
    }
  } catch (const CalcError&) {
    if (std::isinf(nearest)) {
      tally.outOfRange.push_back(Hex(x) + " -> " + text.substr(0, 24) +
                                 (text.size() > 24 ? "..." : ""));
    } else {
      tally.Fail("ToNumber(\"" + text + "\") of " + Hex(x) + " threw");
    }
  }
}

void Compare(double x, Tally& tally) {
  using reference::Tie;
  const reference::Decimal exact = reference::ExactValue(x);
  const reference::Rounding even =
      reference::RoundToSignificant(exact, reference::kSignificantDigits, Tie::kHalfEven);
  // Only a tie has a second candidate; elsewhere both rules give the same decimal.
  const reference::Decimal away =
      even.tie ? reference::RoundToSignificant(exact, reference::kSignificantDigits, Tie::kHalfAway)
                     .value
               : even.value;
  const std::string general = GeneralText(x);
  const std::string three = PatternText(x, kThreeDecimals);
  const std::string two = PatternText(x, kTwoDecimals);
  CheckText("GeneralText", x, general, reference::GeneralForm(even.value),
            reference::GeneralForm(away), even.tie, tally);
  CheckText("PatternText ##0.000", x, three, reference::PatternForm(even.value, 3),
            reference::PatternForm(away, 3), even.tie, tally);
  CheckText("PatternText ##0.00", x, two, reference::PatternForm(even.value, 2),
            reference::PatternForm(away, 2), even.tie, tally);
  CheckReadsBack(x, general, tally);
  CheckReadsBack(x, three, tally);
  CheckReadsBack(x, two, tally);
  ++tally.compared;
}

void PrintList(const char* title, const std::vector<std::string>& lines) {
  if (lines.empty()) return;
  std::cout << title << " (" << lines.size() << "):\n";
  for (std::size_t i = 0; i < lines.size() && i < 20; ++i) std::cout << "  " << lines[i] << '\n';
}

// The doubles are shared out in consecutive runs over the machine's cores; each run keeps its own
// tally and the tallies are joined in order.
Tally CompareAll(const std::vector<double>& numbers) {
  const std::size_t workers = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 8);
  std::vector<Tally> tallies(workers);
  std::vector<std::thread> threads;
  for (std::size_t w = 0; w < workers; ++w) {
    threads.emplace_back([&numbers, &tallies, w, workers] {
      const std::size_t first = numbers.size() * w / workers;
      const std::size_t last = numbers.size() * (w + 1) / workers;
      for (std::size_t i = first; i < last; ++i) Compare(numbers[i], tallies[w]);
    });
  }
  for (std::thread& thread : threads) thread.join();
  Tally total;
  for (const Tally& part : tallies) {
    total.compared += part.compared;
    total.failures += part.failures;
    total.tiesToEven += part.tiesToEven;
    for (const std::string& line : part.shown) {
      if (total.shown.size() < 25) total.shown.push_back(line);
    }
    total.tieChoices.insert(total.tieChoices.end(), part.tieChoices.begin(), part.tieChoices.end());
    total.outOfRange.insert(total.outOfRange.end(), part.outOfRange.begin(), part.outOfRange.end());
  }
  return total;
}

class reference_differential : public testing::TestWithParam<Category> {};

TEST_P(reference_differential, general_and_pattern_texts_match_the_reference) {
  const Category& category = GetParam();
  Random random(category.seed);
  Sample sample;
  category.generate(random, sample);
  ASSERT_GE(sample.numbers().size(), category.minimum);

  const Tally tally = CompareAll(sample.numbers());
  std::cout << category.name << ": " << tally.compared << " doubles compared\n";
  PrintList("exact ties settled the other way", tally.tieChoices);
  PrintList("texts beyond the largest double", tally.outOfRange);
  for (const std::string& line : tally.shown) ADD_FAILURE() << line;
  EXPECT_EQ(tally.failures, 0U);
  // Either rule will do, but one rule: a mix means two ways through the product disagree.
  EXPECT_TRUE(tally.tiesToEven == 0 || tally.tieChoices.empty())
      << tally.tiesToEven << " exact ties went to even, " << tally.tieChoices.size()
      << " away from zero";
}

INSTANTIATE_TEST_SUITE_P(doubles, reference_differential, testing::ValuesIn(kCategories),
                         [](const testing::TestParamInfo<Category>& param) {
                           return std::string(param.param.name);
                         });

}  // namespace
}  // namespace velmora
