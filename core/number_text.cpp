#include "number_text.h"

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
// From this order on the general text is in exponent form ("1E+15").
constexpr int kLargestFixedExponent = 14;

std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Length in bytes of the character starting at `pos` and how many UTF-16 units it takes.
struct CharacterSpan {
  std::size_t bytes;
  std::size_t units;
};

CharacterSpan CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t length = Utf8SequenceLength(lead);
  if (length == 1 || pos + length > text.size()) return {1, 1};
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) return {1, 1};
  }
  return {length, length == 4 ? 2U : 1U};
}

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
  const detail::DecimalDigits d = detail::ToDecimalDigits(number);
  if (d.count == 0) return "0";
  std::string out;
  out.reserve(24);
  if (d.negative) out += '-';
  const auto digit = [&d](int k) { return d.digits[static_cast<std::size_t>(k)]; };
  if (d.exponent < kSmallestFixedExponent || d.exponent > kLargestFixedExponent) {
    out += digit(0);
    if (d.count > 1) {
      out += '.';
      for (int k = 1; k < d.count; ++k) out += digit(k);
    }
    AppendExponent(out, d.exponent);
    return out;
  }
  if (d.exponent < 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    for (int k = 0; k < d.count; ++k) out += digit(k);
    return out;
  }
  for (int k = 0; k <= d.exponent; ++k) out += k < d.count ? digit(k) : '0';
  if (d.count > d.exponent + 1) {
    out += '.';
    for (int k = d.exponent + 1; k < d.count; ++k) out += digit(k);
  }
  return out;
}

std::string IntegerText(std::int16_t number) {
  std::array<char, 8> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number);
  return {buffer.data(), result.ptr};
}

std::string PatternText(double number, DisplayPattern pattern) {
  const detail::DecimalDigits d = detail::ToDecimalDigits(number);
  const int decimals = pattern.decimals;
  // Digit k of the 15-digit decimal stands at the decimal place exponent - k; the last place kept
  // is -decimals, so the kept digits are those with k <= exponent + decimals.
  const int lastKept = d.exponent + decimals;
  const int integerDigits = d.exponent >= 0 ? d.exponent + 1 : 1;
  // Places from the integer part's first digit down to the last decimal, plus one for a carry.
  std::string places(static_cast<std::size_t>(integerDigits + decimals + 1), '0');
  const int offset = integerDigits;  // index in `places` of the units digit, after the carry
  if (d.count > 0) {
    for (int k = 0; k < d.count && k <= lastKept; ++k) {
      const int index = offset + k - d.exponent;
      places[static_cast<std::size_t>(index)] = d.digits[static_cast<std::size_t>(k)];
    }
    // Half away from zero: the first dropped digit alone decides, since the digits are exact.
    const int firstDropped = lastKept + 1;
    const bool roundUp = firstDropped >= 0 && firstDropped < d.count &&
                         d.digits[static_cast<std::size_t>(firstDropped)] >= '5';
    if (roundUp) {
      auto k = places.size() - 1;
      while (places[k] == '9') places[k--] = '0';
      ++places[k];
    }
  }
  const auto firstSignificant = places.find_first_not_of('0');
  const bool roundedZero = firstSignificant == std::string::npos;
  std::string out;
  out.reserve(places.size() + 2);
  if (d.negative && !roundedZero) out += '-';
  const auto units = static_cast<std::size_t>(offset);
  const auto integerStart = (roundedZero || firstSignificant > units) ? units : firstSignificant;
  out.append(places, integerStart, units + 1 - integerStart);
  out += '.';
  out.append(places, units + 1, static_cast<std::size_t>(decimals));
  return out;
}

std::string PatternText(std::string_view text, DisplayPattern pattern) {
  return PatternText(ToNumber(text), pattern);
}

std::string RightCell(std::string_view text) {
  const std::string_view kept = FirstCharacters(text, kCellWidth);
  const std::size_t count = CharacterCount(kept);
  std::string cell(kCellWidth - count, ' ');
  cell.append(kept);
  return cell;
}

double Int(double number) {
  return std::floor(number);
}

bool IsEmptyText(std::string_view text) {
  return text.empty();
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const CharacterSpan span = CharacterAt(text, pos);
    pos += span.bytes;
    units += span.units;
  }
  return units;
}

std::string_view FirstCharacters(std::string_view text, std::size_t limit) {
  std::size_t units = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const CharacterSpan span = CharacterAt(text, pos);
    if (units + span.units > limit) break;
    pos += span.bytes;
    units += span.units;
  }
  return text.substr(0, pos);
}

}  // namespace velmora
