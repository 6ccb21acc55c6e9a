#pragma once

// The main reflector's section as every drawing and part file takes it: the parabola
// z = r² / 4F with F the focal length as Text5 holds it, sampled by the curves' one rule.

#include <vector>

#include "design.h"
#include "profile_function.h"

namespace velmora::part {

// Half the main reflector's diameter D. Throws CalcError for a diameter that is not positive.
double MainRimRadius(const Design& design);

// The depth below the vertex plane at a radius: (r × r) / (4 × F). Throws CalcError where it is
// no finite number (F of 0).
double MainDepth(const Design& design, double radius);

// Radius 0 to D/2, the vertex first; every chord within `tolerance` (mm) of the parabola, whose
// tightest bend is at its vertex, a radius of curvature of 2F. Throws as MainDepth, and
// TooManyPoints for a dish beyond the sampling rule's cap.
std::vector<ProfilePoint> MainHalfSection(const Design& design,
                                          double tolerance = kDrawingTolerance);

// Radius -D/2 to +D/2: the half mirrored in the axis, then the half; the vertex one of its points.
std::vector<ProfilePoint> MainWholeSection(const Design& design,
                                           double tolerance = kDrawingTolerance);

// Any half section (vertex to rim) made whole the same way; the sub-reflector's too.
std::vector<ProfilePoint> Mirrored(const std::vector<ProfilePoint>& half);

}  // namespace velmora::part
