#pragma once

// A slow model of the calculator's number texts, written to be checked by eye rather than to be
// fast. Every double is expanded to its exact decimal value with a big integer of its own and then
// rounded on plain digit strings, so the product's shortcuts (shortest round-trip digits and the
// standard library's conversions) have an independent judge. Nothing here comes from core/.

#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::reference {

inline constexpr int kSignificantDigits = 15;

// value = digits[0].digits[1]digits[2]... x 10^exponent. digits holds '0'..'9' without leading or
// trailing zeros and is empty for zero (exponent is then 0).
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// The exact value of mantissa x 2^binaryExponent; binaryExponent lies in -1100..1100.
Decimal ExactBinary(bool negative, std::uint64_t mantissa, int binaryExponent);

// The exact value of a finite double.
Decimal ExactValue(double number);

// How a dropped part of exactly one half is settled.
enum class Tie { kHalfEven, kHalfAway };

struct Rounding {
  Decimal value;
  bool tie = false;  // the dropped digits were exactly one half of the last kept unit
};

// Rounds to at most `significant` digits, to nearest.
Rounding RoundToSignificant(const Decimal& exact, int significant, Tie tie);

// The general text of an already rounded decimal: fixed form for decimal exponents -4..14,
// exponent form ("1.5E+20", "1E-05") outside.
std::string GeneralForm(const Decimal& rounded);

// The display-pattern text of an already rounded decimal with `decimals` decimals, rounded half
// away from zero on the decimal digits.
std::string PatternForm(const Decimal& rounded, int decimals);

// The whole chain from a double: exact value, 15 significant digits, then the form.
std::string GeneralText(double number, Tie tie = Tie::kHalfEven);
std::string PatternText(double number, int decimals, Tie tie = Tie::kHalfEven);

// True when the text is a number to the reader: spaces around it, then an optional sign, digits
// with at most one point and at least one digit, and an optional exponent (E or e, optional sign,
// at least one digit). Says nothing about the range.
bool MatchesNumberGrammar(std::string_view text);

}  // namespace velmora::reference
