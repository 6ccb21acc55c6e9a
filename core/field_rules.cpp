#include "field_rules.h"

#include <cstdint>

#include "calc_error.h"
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

void FillDefaults(FieldSet& fields) {
  using enum FieldId;
  fields.Write(Text1, IntegerText(kDefaultMainDiameter));
  fields.Write(Text2, GeneralText(kDefaultMainFocalRatio));
  fields.Write(Text3, IntegerText(kDefaultSubDiameter));
  fields.Write(Text4, GeneralText(kDefaultFeedFocalRatio));
  for (int n = FieldNumber(Text5); n <= FieldNumber(Text16); ++n) fields.Write(FieldAt(n), "");
  fields.Write(Text20, "");
  fields.Write(Text21, "");
  fields.Write(Text17, IntegerText(kDefaultStart));
  // The start-up STOP is the integer part of half the diameter just written; the STOP rule later
  // takes the exact half.
  fields.Write(Text18, GeneralText(Int(checked::Div(fields.Number(Text3), kStopDivisor))));
  fields.Write(Text19, IntegerText(kDefaultStep));
}

void ClearFields(FieldSet& fields) {
  for (int n = 1; n <= kFieldCount; ++n) fields.Write(FieldAt(n), "");
}

void FollowSubDiameter(FieldSet& fields) {
  using enum FieldId;
  if (IsEmptyText(fields.Text(Text3))) return;
  try {
    fields.Write(Text18, GeneralText(checked::Div(fields.Number(Text3), kStopDivisor)));
  } catch (const CalcError&) {
    // A diameter that is not a number leaves STOP as it was, as a calculation ends silently.
  }
}

}  // namespace velmora
