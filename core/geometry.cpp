// The reflector geometry of Command1_Click: from D, F/D, d and the feed's F/D to the focal length,
// the two angles, the dish depth, the rim distances, the hyperbola's c, a and b^2, and the two
// distances that place the feed and the sub-reflector.
//
// Every step reads its operands from the fields as they stand and writes its result as text, so
// the rounding of each field's display feeds into the later steps (the rounding chain). Each
// formula keeps the bracketing of the legacy program; none may be reassociated.

#include "geometry.h"

#include "checked_arithmetic.h"
#include "field_steps.h"
#include "number_text.h"

namespace velmora {
namespace {

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

}  // namespace

PlacementInputs RunGeometryThroughConjugateAxis(FieldSet& fields, FormValues& values) {
  using enum FieldId;
  PlacementInputs out{};

  // Focal length F = D x F/D. FocalLength keeps it unrounded for the feed placement.
  {
    const double focal = Mul(fields.Number(Text1), fields.Number(Text2));
    WriteGeneral(fields, Text5, focal);
    ApplyPattern(fields, Text5, kThreeDecimals);
    values.FocalLength = focal;
    out.focalLength = focal;
  }
  // Aperture angle 2Θ under which the rim is seen from the focus: 4 atan(D / 4F), from the
  // three-decimal focal length.
  WriteGeneral(fields, Text6,
               FullAngleDegrees(Div(fields.Number(Text1), Mul(fields.Number(Text5), 4.0))));
  ApplyPattern(fields, Text6, kThreeDecimals);
  // Radiation angle 2Θ that the feed's F/D implies: d cancels, but a d of 0 makes the step fail.
  WriteGeneral(fields, Text7,
               FullAngleDegrees(Div(fields.Number(Text3),
                                    Mul(fields.Number(Text4), Mul(fields.Number(Text3), 4.0)))));
  ApplyPattern(fields, Text7, kThreeDecimals);
  // Dish depth D^2 / 16F.
  WriteGeneral(
      fields, Text16,
      Div(Mul(fields.Number(Text1), fields.Number(Text1)), Mul(fields.Number(Text5), 16.0)));
  ApplyPattern(fields, Text16, kThreeDecimals);

  // Axial distances from the focus F and from the feed point F' to the rim plane at Q: rim radius
  // over the tangent of the half angle, from the three-decimal angles.
  {
    const double focusToRim =
        Div(Div(fields.Number(Text3), 2.0), Tan(HalfAngleRadians(fields.Number(Text6))));
    WriteGeneral(fields, Text8, focusToRim);
    values.FocusToRim = focusToRim;
    out.focusToRim = focusToRim;
  }
  {
    const double feedToRim =
        Div(Div(fields.Number(Text3), 2.0), Tan(HalfAngleRadians(fields.Number(Text7))));
    WriteGeneral(fields, Text9, feedToRim);
    values.FeedToRim = feedToRim;
    out.feedToRim = feedToRim;
  }
  // c: F and F' lie on either side of the rim plane, so QF + F'Q = 2c. From the cut texts.
  {
    const double c = Add(Div(fields.Number(Text9), 2.0), Div(fields.Number(Text8), 2.0));
    WriteGeneral(fields, Text10, c);
    values.HalfFocalSpan = c;
    out.halfFocalSpan = c;
  }
  // Slant distances F'P and FP to the rim point: rim radius over the sine of the half angle.
  WriteGeneral(fields, Text11,
               Div(Div(fields.Number(Text3), 2.0), Sin(HalfAngleRadians(fields.Number(Text7)))));
  WriteGeneral(fields, Text12,
               Div(Div(fields.Number(Text3), 2.0), Sin(HalfAngleRadians(fields.Number(Text6)))));
  // a from the hyperbola's defining property F'P - FP = 2a.
  {
    const double a = Div(Sub(fields.Number(Text11), fields.Number(Text12)), 2.0);
    WriteGeneral(fields, Text13, a);
    values.SemiAxisA = a;
    out.semiAxisA = a;
  }
  // b^2 = c^2 - a^2, each square from two reads of the field.
  WriteGeneral(fields, Text14,
               Sub(Mul(fields.Number(Text10), fields.Number(Text10)),
                   Mul(fields.Number(Text13), fields.Number(Text13))));
  return out;
}

void RunFeedPlacement(FieldSet& fields, const PlacementInputs& inputs) {
  using enum FieldId;
  // B: feed point to the sub-reflector's vertex, a + c, from the unrounded values.
  WriteGeneral(fields, Text20, Add(inputs.halfFocalSpan, inputs.semiAxisA));
  ApplyPattern(fields, Text20, kTwoDecimals);
  // A: main reflector's vertex to the feed point, F - 2c; negative when the feed point lies behind
  // the vertex.
  WriteGeneral(fields, Text21, Sub(inputs.focalLength, Add(inputs.focusToRim, inputs.feedToRim)));
  ApplyPattern(fields, Text21, kTwoDecimals);
}

}  // namespace velmora
