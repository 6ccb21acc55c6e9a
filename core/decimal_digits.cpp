#include "decimal_digits.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "calc_error.h"

namespace velmora::detail {
namespace {

__extension__ using Uint128 = unsigned __int128;

// Up to 10^22: scaling the smallest magnitude of the exact path to 15 digits needs 10^22.
constexpr std::array<Uint128, 23> kWidePowersOfTen = [] {
  std::array<Uint128, 23> powers{};
  Uint128 p = 1;
  for (auto& power : powers) {
    power = p;
    p *= 10;
  }
  return powers;
}();
constexpr std::uint64_t kLowestSignificand = kPowersOfTen[kSignificantDigits - 1];
constexpr std::uint64_t kAboveSignificand = kPowersOfTen[kSignificantDigits];

// Every field text and every profile row lies in this range, where the rounding is found exactly
// with integer arithmetic: magnitude = m / 2^s, so m x 10^(14-E) / 2^s is the magnitude scaled to
// 15 integer digits and its remainder tells the rounding.
constexpr double kExactPathLow = 1e-8;
constexpr double kExactPathHigh = 1e15;

bool ScaleExactly(double magnitude, FifteenDigits& out) {
  if (!(magnitude >= kExactPathLow && magnitude < kExactPathHigh)) return false;
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biasedExponent = static_cast<int>(bits >> 52);
  const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
  const int shift = 1075 - biasedExponent;  // magnitude = mantissa / 2^shift, shift in 3..80
  // log10(2) ~ 78913 / 2^18: an estimate of the decimal exponent, off by at most one.
  int exponent = ((biasedExponent - 1023) * 78913) >> 18;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int scale = 14 - exponent;
    if (scale < 0 || scale >= static_cast<int>(kWidePowersOfTen.size())) return false;
    const Uint128 scaled =
        static_cast<Uint128>(mantissa) * kWidePowersOfTen[static_cast<std::size_t>(scale)];
    const auto quotient = static_cast<std::uint64_t>(scaled >> shift);
    if (quotient < kLowestSignificand) {
      --exponent;
      continue;
    }
    if (quotient >= kAboveSignificand) {
      ++exponent;
      continue;
    }
    const Uint128 remainder = scaled & ((Uint128{1} << shift) - 1);
    const Uint128 half = Uint128{1} << (shift - 1);
    std::uint64_t q = quotient;
    if (remainder > half || (remainder == half && (q & 1U) != 0)) ++q;
    if (q == kAboveSignificand) {
      q = kLowestSignificand;
      ++exponent;
    }
    out.significand = q;
    out.exponent = exponent;
    return true;
  }
  return false;
}

// Digits and exponent of a scientific text "d.ddde+XX" from std::to_chars.
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
  const char* first = text.data() + i + 1;
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), out.exponent);
  return out;
}

// Outside the exact range: the shortest round-trip digits round to the same 15 digits as the exact
// value, since a 15-digit midpoint lying between the double and its shortest form would itself be
// a 16-digit candidate nearer the double. Two cases need the exact expansion instead: a shortest
// form of 16 digits ending in 5, which may be such a midpoint, and subnormals, whose step between
// doubles is coarser than 15 digits.
FifteenDigits ScaleByText(double magnitude) {
  std::array<char, 40> buffer{};
  auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                               std::chars_format::scientific);
  ScientificText text = ParseScientific({buffer.data(), written.ptr});
  const bool subnormal = magnitude < std::numeric_limits<double>::min();
  if (subnormal ||
      (text.count == kSignificantDigits + 1 && text.digits[kSignificantDigits] == '5')) {
    written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                            std::chars_format::scientific, kSignificantDigits - 1);
    text = ParseScientific({buffer.data(), written.ptr});
  }
  FifteenDigits out;
  out.exponent = text.exponent;
  for (int k = 0; k < kSignificantDigits; ++k) {
    const char digit = k < text.count ? text.digits[static_cast<std::size_t>(k)] : '0';
    out.significand = out.significand * 10 + static_cast<std::uint64_t>(digit - '0');
  }
  // Digits beyond 15 are never an exact half here (see above): round half up on digit 16.
  if (text.count > kSignificantDigits && text.digits[kSignificantDigits] >= '5') {
    if (++out.significand == kAboveSignificand) {
      out.significand = kLowestSignificand;
      ++out.exponent;
    }
  }
  return out;
}

}  // namespace

FifteenDigits ToFifteenDigits(double number) {
  // An infinity or a NaN has no digits; no field may ever show one.
  if (!std::isfinite(number)) throw CalcError();
  if (number == 0.0) return FifteenDigits{};
  const double magnitude = std::fabs(number);
  FifteenDigits out;
  if (!ScaleExactly(magnitude, out)) out = ScaleByText(magnitude);
  out.negative = number < 0.0;
  return out;
}

}  // namespace velmora::detail
