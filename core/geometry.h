#pragma once

// The reflector geometry of a calculation, in two parts around the profile table. Each throws
// CalcError at its first failing step, keeping what it has written.

#include "field_set.h"
#include "form_values.h"

namespace velmora {

// The unrounded numbers of the first part that the placement distances are made from; each is
// also kept in the form-level value of the same meaning.
struct PlacementInputs {
  double focalLength;    // F = D x F/D
  double focusToRim;     // QF
  double feedToRim;      // F'Q
  double halfFocalSpan;  // c
  double semiAxisA;      // a
};

// From D, F/D, d and the feed's F/D to the focal length, the two angles, the dish depth, the rim
// distances and the hyperbola's c, a and b^2 (Text5 to Text14, Text16).
[[nodiscard]] PlacementInputs RunGeometryThroughConjugateAxis(FieldSet& fields, FormValues& values);

// The distances that place the sub-reflector and the feed (Text20, Text21), from the unrounded
// numbers of the first part: only a first part that ran to its end can hand them over.
void RunFeedPlacement(FieldSet& fields, const PlacementInputs& inputs);

}  // namespace velmora
