// The reflector geometry of Command1_Click, in the design's eighteen numbered steps: the focal
// length, the two angles and the dish depth (1-5); the axial distances from the two foci to the
// rim plane (6-9); the hyperbola's c, the slant distances to the rim, a and b^2 (10-16); and the
// two distances that place the feed and the sub-reflector (17, 18).
//
// Every step reads its operands from the fields as they stand and writes its result as text, so
// the rounding of each field's display feeds into the later steps (the rounding chain). The
// form-level values keep the unrounded F, QF, F'Q, c and a; only steps 17 and 18 read them. Each
// formula keeps the bracketing of the legacy program; none may be reassociated.

#include "geometry.h"

#include "checked_arithmetic.h"
#include "number_text.h"

namespace velmora {
namespace {

using enum FieldId;
using checked::Add;
using checked::Atan;
using checked::Div;
using checked::Mul;
using checked::Sin;
using checked::Sub;
using checked::Tan;

// Radians to degrees and back, each with the legacy program's own approximation of pi. Neither is
// the double nearest pi and they differ from each other; the figures depend on both.
constexpr double kPiForDegrees = 3.14159;
constexpr double kPiForRadians = 3.14;

// Full angle in degrees from the arctangent of a quarter-angle ratio: ((atan(x) x 4) x 180) / pi'.
double FullAngleDegrees(double ratio) {
  return Div(Mul(Mul(Atan(ratio), 4.0), 180.0), kPiForDegrees);
}

// Half of a full angle in degrees, in radians: ((angle / 2) x 3.14) / 180.
double HalfAngleRadians(double fullAngleDegrees) {
  return Div(Mul(Div(fullAngleDegrees, 2.0), kPiForRadians), 180.0);
}

// A result as its general text; Text8 to Text14 keep the first 10 characters of it.
void WriteGeneral(FieldSet& fields, FieldId id, double number) {
  fields.Write(id, GeneralText(number));
}

// A displayed result once more, in its display pattern, from the text the field now holds.
void ApplyPattern(FieldSet& fields, FieldId id, DisplayPattern pattern) {
  fields.Write(id, PatternText(fields.Text(id), pattern));
}

// Steps 1 to 5: the focal length, the aperture and radiation angles, the dish depth.
void RunAnglesAndDepth(FieldSet& fields, FormValues& values) {
  // 1. F = D x F/D, shown in three decimals; 2. FocalLength keeps it unrounded.
  const double focal = Mul(fields.Number(Text1), fields.Number(Text2));
  WriteGeneral(fields, Text5, focal);
  ApplyPattern(fields, Text5, kThreeDecimals);
  values.FocalLength = focal;
  // 3. The aperture angle 2Θ under which the rim is seen from the focus, 4 atan(D / 4F), from the
  // three-decimal focal length.
  WriteGeneral(fields, Text6,
               FullAngleDegrees(Div(fields.Number(Text1), Mul(fields.Number(Text5), 4.0))));
  ApplyPattern(fields, Text6, kThreeDecimals);
  // 4. The radiation angle 2Θ that the feed's F/D implies: d cancels, but a d of 0 fails here.
  WriteGeneral(fields, Text7,
               FullAngleDegrees(Div(fields.Number(Text3),
                                    Mul(fields.Number(Text4), Mul(fields.Number(Text3), 4.0)))));
  ApplyPattern(fields, Text7, kThreeDecimals);
  // 5. The dish depth D^2 / 16F, again from the three-decimal focal length.
  WriteGeneral(
      fields, Text16,
      Div(Mul(fields.Number(Text1), fields.Number(Text1)), Mul(fields.Number(Text5), 16.0)));
  ApplyPattern(fields, Text16, kThreeDecimals);
}

// Steps 6 to 9: the axial distances from the focus F and from the feed point F' to the rim plane
// at Q, rim radius over the tangent of the half angle, from the three-decimal angles.
void RunRimDistances(FieldSet& fields, FormValues& values) {
  // 6. QF into Text8, cut to 10 characters; 7. FocusToRim keeps it whole.
  const double focusToRim =
      Div(Div(fields.Number(Text3), 2.0), Tan(HalfAngleRadians(fields.Number(Text6))));
  WriteGeneral(fields, Text8, focusToRim);
  values.FocusToRim = focusToRim;
  // 8. F'Q into Text9; 9. FeedToRim keeps it whole.
  const double feedToRim =
      Div(Div(fields.Number(Text3), 2.0), Tan(HalfAngleRadians(fields.Number(Text7))));
  WriteGeneral(fields, Text9, feedToRim);
  values.FeedToRim = feedToRim;
}

// Steps 10 to 16: the hyperbola through the rim point P with its foci at F and F'.
void RunHyperbola(FieldSet& fields, FormValues& values) {
  // 10. c: F and F' lie on either side of the rim plane, so QF + F'Q = 2c; from the cut texts.
  // 11. HalfFocalSpan keeps c before it is cut.
  const double c = Add(Div(fields.Number(Text9), 2.0), Div(fields.Number(Text8), 2.0));
  WriteGeneral(fields, Text10, c);
  values.HalfFocalSpan = c;
  // 12. F'P and 13. FP, the slant distances to the rim point: rim radius over the sine of the
  // half angle.
  WriteGeneral(fields, Text11,
               Div(Div(fields.Number(Text3), 2.0), Sin(HalfAngleRadians(fields.Number(Text7)))));
  WriteGeneral(fields, Text12,
               Div(Div(fields.Number(Text3), 2.0), Sin(HalfAngleRadians(fields.Number(Text6)))));
  // 14. a from the hyperbola's defining property F'P - FP = 2a, from the cut texts; 15. SemiAxisA
  // keeps it before it is cut.
  const double a = Div(Sub(fields.Number(Text11), fields.Number(Text12)), 2.0);
  WriteGeneral(fields, Text13, a);
  values.SemiAxisA = a;
  // 16. b^2 = c^2 - a^2 from the cut texts of c and a, each square from two reads of the field.
  WriteGeneral(fields, Text14,
               Sub(Mul(fields.Number(Text10), fields.Number(Text10)),
                   Mul(fields.Number(Text13), fields.Number(Text13))));
}

}  // namespace

void RunGeometryThroughConjugateAxis(FieldSet& fields, FormValues& values) {
  RunAnglesAndDepth(fields, values);
  RunRimDistances(fields, values);
  RunHyperbola(fields, values);
}

void RunFeedPlacement(FieldSet& fields, const FormValues& values) {
  // 17. B: from the feed point to the sub-reflector's vertex, a + c, from the unrounded a and c.
  WriteGeneral(fields, Text20, Add(values.HalfFocalSpan.value(), values.SemiAxisA.value()));
  ApplyPattern(fields, Text20, kTwoDecimals);
  // 18. A: from the main reflector's vertex to the feed point, F - 2c taken as F - (QF + F'Q) from
  // the unrounded F, QF and F'Q (c was made from their cut texts); negative when the feed point
  // lies behind the vertex.
  WriteGeneral(
      fields, Text21,
      Sub(values.FocalLength.value(), Add(values.FocusToRim.value(), values.FeedToRim.value())));
  ApplyPattern(fields, Text21, kTwoDecimals);
}

}  // namespace velmora
