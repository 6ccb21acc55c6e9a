#pragma once

// The sub-reflector's section as the part files draw it: the profile function sampled within the
// drawing tolerance, from the vertex to the rim (half) or from rim to rim (whole).

#include <vector>

#include "design.h"
#include "profile_function.h"

namespace velmora::part {

// Half the sub-reflector diameter d. Throws CalcError for a diameter that is not positive: there
// is no part to draw.
double RimRadius(const Design& design);

// Radius 0 to d/2, the first point the vertex itself (radius 0, depth 0), every chord within
// `tolerance` (mm) of the hyperbola.
std::vector<ProfilePoint> HalfSection(const Design& design, double tolerance = kDrawingTolerance);

// Radius -d/2 to +d/2: the half section mirrored in the axis, then the half section. The depth is
// even in the radius, so this is the same curve, and the vertex stays one of its points.
std::vector<ProfilePoint> WholeSection(const Design& design);

}  // namespace velmora::part
