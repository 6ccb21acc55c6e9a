#pragma once

// A reflector's section as a drawing for CAD and CAM: an AutoCAD R12 ASCII DXF in millimetres,
// the vertex at the origin, radius along x and depth along y, so the curve opens upwards. A flat
// template or a lathe follower is cut from it.

#include <string>
#include <string_view>
#include <vector>

#include "design.h"
#include "profile_function.h"

namespace velmora::part {

// Each curve on a layer of its own, so that a user shows or cuts one of them.
inline constexpr std::string_view kHalfSectionLayer = "HALF_SECTION";    // radius 0 to the rim
inline constexpr std::string_view kWholeSectionLayer = "WHOLE_SECTION";  // rim to rim
inline constexpr std::string_view kAxisLayer =
    "AXIS";  // the axis, from the vertex to the rim plane

// The sub-reflector's file. Every vertex is a point of the profile function, within a micrometre
// of the curve between them. Throws CalcError where the design makes no profile (d not positive,
// b^2 of 0).
std::string SectionDxf(const Design& design);

// The main reflector's file: the parabola z = r² / 4F from -D/2 to D/2, F the focal length
// (Text5). Throws CalcError where the design makes no dish (D not positive, F of 0), and
// TooManyPoints for a dish beyond the sampling rule's cap.
std::string MainSectionDxf(const Design& design);

// The file of any reflector from its half section (vertex to rim) and its whole section (rim to
// rim); the header's extent holds both curves.
std::string SectionDxf(const std::vector<ProfilePoint>& half,
                       const std::vector<ProfilePoint>& whole);

}  // namespace velmora::part
