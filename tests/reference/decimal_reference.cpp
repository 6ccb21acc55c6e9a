#include "decimal_reference.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <vector>

namespace velmora::reference {
namespace {

// A non-negative big integer in limbs of nine decimal digits, least significant limb first, so
// that turning it into decimal digits needs no division of the whole number.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint64_t kLimbBase = 1'000'000'000;

// The table reach covers the midpoints between doubles too (one binary place below the
// smallest subnormal).
constexpr int kLargestPower = 1100;

void MultiplySmall(Limbs& number, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : number) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product % kLimbBase);
    carry = product / kLimbBase;
  }
  while (carry != 0) {
    number.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
    carry /= kLimbBase;
  }
}

Limbs Multiply(const Limbs& a, const Limbs& b) {
  Limbs product(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    std::uint64_t carry = 0;
    for (std::size_t j = 0; j < b.size(); ++j) {
      // At most (1e9-1) + (1e9-1)^2 + (1e9-1), well inside 64 bits.
      const std::uint64_t sum = product[i + j] + std::uint64_t{a[i]} * b[j] + carry;
      product[i + j] = static_cast<std::uint32_t>(sum % kLimbBase);
      carry = sum / kLimbBase;
    }
    product[i + b.size()] = static_cast<std::uint32_t>(carry);
  }
  while (product.size() > 1 && product.back() == 0) product.pop_back();
  return product;
}

Limbs FromInteger(std::uint64_t value) {
  Limbs number;
  do {
    number.push_back(static_cast<std::uint32_t>(value % kLimbBase));
    value /= kLimbBase;
  } while (value != 0);
  return number;
}

// powers[k] = base^k, each from the one before by one small multiplication.
std::vector<Limbs> PowerTable(std::uint32_t base) {
  std::vector<Limbs> powers;
  powers.reserve(kLargestPower + 1);
  powers.push_back(FromInteger(1));
  for (int k = 1; k <= kLargestPower; ++k) {
    powers.push_back(powers.back());
    MultiplySmall(powers.back(), base);
  }
  return powers;
}

const Limbs& PowerOfTwo(int k) {
  static const std::vector<Limbs> table = PowerTable(2);
  return table.at(static_cast<std::size_t>(k));
}

const Limbs& PowerOfFive(int k) {
  static const std::vector<Limbs> table = PowerTable(5);
  return table.at(static_cast<std::size_t>(k));
}

std::string DecimalDigitsOf(const Limbs& number) {
  // Nine digits for every limb, filled from the least significant end; the zeros this leaves in
  // front of the top limb are cut afterwards.
  std::string text(number.size() * 9, '0');
  std::size_t end = text.size();
  for (const std::uint32_t limb : number) {
    std::uint32_t rest = limb;
    for (int k = 0; k < 9; ++k) {
      text[--end] = static_cast<char>('0' + rest % 10);
      rest /= 10;
    }
  }
  text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string ExponentText(int exponent) {
  std::string digits;
  for (int v = exponent < 0 ? -exponent : exponent; v != 0; v /= 10) {
    digits.insert(digits.begin(), char('0' + v % 10));
  }
  while (digits.size() < 2) digits.insert(digits.begin(), '0');
  return std::string("E") + (exponent < 0 ? "-" : "+") + digits;
}

// Adds one unit in the last place of a digit string; "999" becomes "1000".
std::string Increment(std::string digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return digits;
    }
    digits[i] = '0';
  }
  return "1" + digits;
}

}  // namespace

Decimal ExactBinary(bool negative, std::uint64_t mantissa, int binaryExponent) {
  Decimal out;
  out.negative = negative;
  if (mantissa == 0) return out;
  if (binaryExponent < -kLargestPower || binaryExponent > kLargestPower) {
    throw std::out_of_range("binary exponent beyond the power tables");
  }
  if (binaryExponent >= 0) {
    out.digits = DecimalDigitsOf(Multiply(FromInteger(mantissa), PowerOfTwo(binaryExponent)));
    out.exponent = static_cast<int>(out.digits.size()) - 1;
  } else {
    // m / 2^k = m * 5^k / 10^k: the digits of m * 5^k with the point moved k places left.
    out.digits = DecimalDigitsOf(Multiply(FromInteger(mantissa), PowerOfFive(-binaryExponent)));
    out.exponent = static_cast<int>(out.digits.size()) - 1 + binaryExponent;
  }
  out.digits.erase(out.digits.find_last_not_of('0') + 1);
  return out;
}

Decimal ExactValue(double number) {
  const auto bits = std::bit_cast<std::uint64_t>(number);
  const bool negative = (bits >> 63) != 0;
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
  if (biased == 0x7FF) throw std::invalid_argument("not a finite double");
  if (biased == 0) return ExactBinary(negative, fraction, -1074);
  return ExactBinary(negative, fraction | (std::uint64_t{1} << 52), biased - 1075);
}

Rounding RoundToSignificant(const Decimal& exact, int significant, Tie tie) {
  Rounding out;
  out.value = exact;
  if (static_cast<int>(exact.digits.size()) <= significant) return out;
  const auto cut = static_cast<std::size_t>(significant);
  std::string kept = exact.digits.substr(0, cut);
  // The dropped digits are exact.digits[cut..].
  const char firstDropped = exact.digits[cut];
  bool up = false;
  if (firstDropped != '5') {
    up = firstDropped > '5';
  } else if (exact.digits.find_first_not_of('0', cut + 1) != std::string::npos) {
    up = true;  // more than one half
  } else {
    out.tie = true;
    up = tie == Tie::kHalfAway || (kept.back() - '0') % 2 == 1;
  }
  int exponent = exact.exponent;
  if (up) {
    kept = Increment(kept);
    // 9.99...9 went up to the next power of ten and gained a digit.
    if (static_cast<int>(kept.size()) > significant) {
      kept.pop_back();
      ++exponent;
    }
  }
  kept.erase(kept.find_last_not_of('0') + 1);
  out.value.digits = kept;
  out.value.exponent = exponent;
  return out;
}

std::string GeneralForm(const Decimal& rounded) {
  if (rounded.digits.empty()) return "0";
  const std::string& d = rounded.digits;
  const int e = rounded.exponent;
  std::string text = rounded.negative ? "-" : "";
  if (e < -4 || e > 14) {
    text += d[0];
    if (d.size() > 1) text += "." + d.substr(1);
    return text + ExponentText(e);
  }
  if (e < 0) return text + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + d;
  const auto integerDigits = static_cast<std::size_t>(e + 1);
  if (d.size() <= integerDigits) return text + d + std::string(integerDigits - d.size(), '0');
  return text + d.substr(0, integerDigits) + "." + d.substr(integerDigits);
}

std::string PatternForm(const Decimal& rounded, int decimals) {
  const std::string& d = rounded.digits;
  // The digit standing at decimal place `place` (0 = units, -1 = tenths, ...).
  const auto digitAt = [&](int place) {
    const int index = rounded.exponent - place;
    return index >= 0 && index < static_cast<int>(d.size()) ? d[static_cast<std::size_t>(index)]
                                                            : '0';
  };
  // The kept places run from the highest integer place (the units at least) down to -decimals;
  // digit i of the decimal stands at place exponent - i.
  const int top = std::max(rounded.exponent, 0);
  std::string kept(static_cast<std::size_t>(top + decimals + 1), '0');
  for (std::size_t i = 0; i < d.size(); ++i) {
    const int place = rounded.exponent - static_cast<int>(i);
    if (place < -decimals) break;
    kept[static_cast<std::size_t>(top - place)] = d[i];
  }
  // The dropped digits, read as a fraction of the last kept unit, are at least one half exactly
  // when the first of them is 5 or more; exactly one half also goes up.
  if (digitAt(-decimals - 1) >= '5') kept = Increment(kept);
  const bool zero = kept.find_first_not_of('0') == std::string::npos;
  std::string integer = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
  integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
  const std::string fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
  return (rounded.negative && !zero ? "-" : "") + integer + "." + fraction;
}

std::string GeneralText(double number, Tie tie) {
  return GeneralForm(RoundToSignificant(ExactValue(number), kSignificantDigits, tie).value);
}

std::string PatternText(double number, int decimals, Tie tie) {
  return PatternForm(RoundToSignificant(ExactValue(number), kSignificantDigits, tie).value,
                     decimals);
}

bool MatchesNumberGrammar(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && text[first] == ' ') ++first;
  while (last > first && text[last - 1] == ' ') --last;
  const std::string_view body = text.substr(first, last - first);
  std::size_t i = 0;
  const auto sign = [&] {
    if (i < body.size() && (body[i] == '+' || body[i] == '-')) ++i;
  };
  const auto digits = [&] {
    const std::size_t start = i;
    while (i < body.size() && IsDigit(body[i])) ++i;
    return i - start;
  };
  sign();
  std::size_t mantissaDigits = digits();
  if (i < body.size() && body[i] == '.') {
    ++i;
    mantissaDigits += digits();
  }
  if (mantissaDigits == 0) return false;
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    sign();
    if (digits() == 0) return false;
  }
  return i == body.size();
}

}  // namespace velmora::reference
