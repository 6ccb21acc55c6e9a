#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "calc_error.h"
#include "decimal_digits.h"

namespace velmora {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Checks the number grammar on a text without its surrounding spaces and returns the decimal
// exponent of its leading non-zero digit (the order of magnitude), saturated; `allZero` tells a
// zero mantissa. The exponent decides whether an out-of-range text overflowed or underflowed.
struct GrammarCheck {
  bool valid = false;
  bool allZero = true;
  long long magnitudeOrder = 0;
};

GrammarCheck CheckGrammar(std::string_view s) {
  constexpr long long kSaturation = 1'000'000'000LL;
  GrammarCheck check;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  long long digitsBeforePoint = 0;  // counted from the first non-zero digit
  long long leadingZerosAfterPoint = 0;
  bool seenPoint = false;
  bool anyDigit = false;
  for (; i < s.size(); ++i) {
    const char c = s[i];
    if (IsDigit(c)) {
      anyDigit = true;
      if (check.allZero && c != '0') check.allZero = false;
      if (!seenPoint && !check.allZero && digitsBeforePoint < kSaturation) ++digitsBeforePoint;
      if (seenPoint && check.allZero && leadingZerosAfterPoint < kSaturation) {
        ++leadingZerosAfterPoint;
      }
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return check;
  long long exponent = 0;
  if (i < s.size()) {
    if (s[i] != 'e' && s[i] != 'E') return check;
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    if (i == s.size()) return check;
    for (; i < s.size(); ++i) {
      if (!IsDigit(s[i])) return check;
      if (exponent < kSaturation) exponent = exponent * 10 + (s[i] - '0');
    }
    if (negative) exponent = -exponent;
  }
  check.valid = true;
  check.magnitudeOrder =
      exponent + (digitsBeforePoint > 0 ? digitsBeforePoint - 1 : -(leadingZerosAfterPoint + 1));
  return check;
}

std::string_view TrimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

void AppendExponent(std::string& out, int exponent) {
  out += 'E';
  out += exponent < 0 ? '-' : '+';
  const int magnitude = exponent < 0 ? -exponent : exponent;
  if (magnitude < 10) out += '0';
  std::array<char, 8> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude);
  out.append(buffer.data(), result.ptr);
}

// Below this order of magnitude the general text switches to the exponent form ("1E-05").
constexpr int kSmallestFixedExponent = -4;
// Up to this order the general text is in fixed form; from 1E+15 on in exponent form.
constexpr int kLargestFixedExponent = 14;

}  // namespace

double ToNumber(std::string_view text) {
  const std::string_view body = TrimSpaces(text);
  const GrammarCheck check = CheckGrammar(body);
  if (!check.valid) throw CalcError();
  // std::from_chars takes no leading '+'.
  const std::string_view digits = body.front() == '+' ? body.substr(1) : body;
  double value = 0.0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    if (check.allZero || check.magnitudeOrder < 0) return body.front() == '-' ? -0.0 : 0.0;
    throw CalcError();
  }
  if (result.ec != std::errc{} || result.ptr != digits.data() + digits.size()) throw CalcError();
  return value;
}

std::string GeneralText(double number) {
  const detail::FifteenDigits f = detail::ToFifteenDigits(number);
  if (f.significand == 0) return "0";
  std::array<char, detail::kSignificantDigits> digits{};
  std::to_chars(digits.data(), digits.data() + digits.size(), f.significand);
  int count = detail::kSignificantDigits;
  while (digits[static_cast<std::size_t>(count - 1)] == '0') --count;
  const auto digit = [&digits](int k) { return digits[static_cast<std::size_t>(k)]; };

  std::string out;
  out.reserve(24);
  if (f.negative) out += '-';
  if (f.exponent < kSmallestFixedExponent || f.exponent > kLargestFixedExponent) {
    out += digit(0);
    if (count > 1) {
      out += '.';
      for (int k = 1; k < count; ++k) out += digit(k);
    }
    AppendExponent(out, f.exponent);
    return out;
  }
  if (f.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-f.exponent - 1), '0');
    for (int k = 0; k < count; ++k) out += digit(k);
    return out;
  }
  for (int k = 0; k <= f.exponent; ++k) out += k < count ? digit(k) : '0';
  if (count > f.exponent + 1) {
    out += '.';
    for (int k = f.exponent + 1; k < count; ++k) out += digit(k);
  }
  return out;
}

std::string IntegerText(std::int16_t number) {
  std::array<char, 8> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
  return {buffer.data(), result.ptr};
}

std::string PatternText(double number, DisplayPattern pattern) {
  const detail::FifteenDigits f = detail::ToFifteenDigits(number);
  const int decimals = pattern.decimals;
  if (f.exponent > kLargestFixedExponent) {
    // All 15 digits stand in the integer part: nothing to round, only zeros to add.
    std::string out;
    if (f.negative) out += '-';
    std::array<char, 24> buffer{};
    out.append(buffer.data(),
               std::to_chars(buffer.data(), buffer.data() + buffer.size(), f.significand).ptr);
    out.append(static_cast<std::size_t>(f.exponent - kLargestFixedExponent), '0');
    out += '.';
    out.append(static_cast<std::size_t>(decimals), '0');
    return out;
  }
  // The value in units of the last decimal shown, rounded half away from zero: the significand's
  // digits below that place are dropped, and a dropped part of one half or more raises it.
  const int dropped = kLargestFixedExponent - f.exponent - decimals;
  std::uint64_t units = 0;
  if (dropped <= 0) {
    units = f.significand * detail::kPowersOfTen[static_cast<std::size_t>(-dropped)];
  } else if (dropped <= detail::kSignificantDigits) {
    const std::uint64_t half = 5 * detail::kPowersOfTen[static_cast<std::size_t>(dropped - 1)];
    units = (f.significand + half) / detail::kPowersOfTen[static_cast<std::size_t>(dropped)];
  }
  // One conversion of all the digits shown, then the point put in before the decimals: the
  // profile table asks for two such texts a row, up to a million rows.
  std::array<char, 32> text{};
  char* const digits = text.data() + 1 + kThreeDecimals.decimals;  // room for "-000" in front
  char* end = std::to_chars(digits, text.data() + text.size() - 1, units).ptr;
  char* first = digits;
  while (end - first <= decimals) *--first = '0';  // at least one integer digit: "0.004"
  char* const point = end - decimals;
  for (char* c = end; c != point; --c) *c = *(c - 1);
  *point = '.';
  ++end;
  if (f.negative && units != 0) *--first = '-';  // a rounded zero has no sign
  return {first, end};
}

std::string PatternText(std::string_view text, DisplayPattern pattern) {
  return PatternText(ToNumber(text), pattern);
}

std::string RightCell(std::string_view text) {
  std::string cell;
  cell.reserve(kCellWidth);
  AppendRightCell(cell, text);
  return cell;
}

double Int(double number) {
  return std::floor(number);
}

bool IsEmptyText(std::string_view text) {
  return text.empty();
}

}  // namespace velmora
