#pragma once

// The reflector geometry of a calculation, in two parts around the profile table. Each throws
// CalcError at its first failing step, keeping what it has written.

#include "field_set.h"
#include "form_values.h"

namespace velmora {

// From D, F/D, d and the feed's F/D to the focal length, the two angles, the dish depth, the rim
// distances and the hyperbola's c, a and b^2 (Text5 to Text14, Text16).
void RunGeometryThroughConjugateAxis(FieldSet& fields, FormValues& values);

// The distances that place the sub-reflector and the feed (Text20, Text21), from the unrounded
// form-level values.
void RunFeedPlacement(FieldSet& fields, FormValues& values);

}  // namespace velmora
