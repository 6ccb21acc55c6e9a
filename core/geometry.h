#pragma once

// The reflector geometry of a calculation, in two parts around the profile table. Each throws
// CalcError at its first failing step, keeping what it has written.

#include "field_set.h"
#include "form_values.h"

namespace velmora {

// Steps 1 to 16: from D, F/D, d and the feed's F/D to the focal length, the two angles, the dish
// depth, the rim distances and the hyperbola's c, a and b^2 (Text5 to Text14, Text16), with the
// unrounded F, QF, F'Q, c and a kept in their form-level values.
void RunGeometryThroughConjugateAxis(FieldSet& fields, FormValues& values);

// Steps 17 and 18: the distances that place the sub-reflector and the feed (Text20, Text21), from
// the form-level values that steps 1 to 16 left.
void RunFeedPlacement(FieldSet& fields, const FormValues& values);

}  // namespace velmora
