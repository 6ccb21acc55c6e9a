// The rules that keep the fields in shape outside a calculation: the start-up defaults, Clear,
// and the STOP radius that follows the sub-reflector diameter.

#include "calc_error.h"
#include "calculator.h"
#include "checked_arithmetic.h"
#include "number_text.h"

namespace velmora {
namespace {

constexpr std::int16_t kDefaultMainDiameter = 370;
constexpr double kDefaultMainFocalRatio = 0.4323;
constexpr std::int16_t kDefaultSubDiameter = 70;
constexpr double kDefaultFeedFocalRatio = 0.686;
constexpr std::int16_t kDefaultStart = 0;
constexpr std::int16_t kDefaultStep = 1;
// The profile runs to the sub-reflector's rim, half its diameter.
constexpr double kStopDivisor = 2.0;

}  // namespace

void Calculator::Form_Load() {
  using enum FieldId;
  fields_.Write(Text1, IntegerText(kDefaultMainDiameter));
  fields_.Write(Text2, GeneralText(kDefaultMainFocalRatio));
  fields_.Write(Text3, IntegerText(kDefaultSubDiameter));
  fields_.Write(Text4, GeneralText(kDefaultFeedFocalRatio));
  for (int n = FieldNumber(Text5); n <= FieldNumber(Text16); ++n) fields_.Write(FieldAt(n), "");
  fields_.Write(Text20, "");
  fields_.Write(Text21, "");
  fields_.Write(Text17, IntegerText(kDefaultStart));
  // The start-up STOP is the integer part of half the diameter just written; the STOP rule later
  // takes the exact half.
  fields_.Write(Text18, GeneralText(Int(checked::Div(fields_.Number(Text3), kStopDivisor))));
  fields_.Write(Text19, IntegerText(kDefaultStep));
}

void Calculator::Command3_Click() {
  for (int n = 1; n <= kFieldCount; ++n) fields_.Write(FieldAt(n), "");
}

void Calculator::Text3_LostFocus() {
  using enum FieldId;
  if (IsEmptyText(fields_.Text(Text3))) return;
  try {
    fields_.Write(Text18, GeneralText(checked::Div(fields_.Number(Text3), kStopDivisor)));
  } catch (const CalcError&) {
    // A diameter that is not a number leaves STOP as it was, as a calculation ends silently.
  }
}

}  // namespace velmora
