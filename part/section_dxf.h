#pragma once

// The sub-reflector's section as a drawing for CAD and CAM: an AutoCAD R12 ASCII DXF in
// millimetres, the vertex at the origin, radius along x and depth along y, so the curve opens
// upwards. A flat template or a lathe follower is cut from it.

#include <string>
#include <string_view>

#include "design.h"

namespace velmora::part {

// Each curve on a layer of its own, so that a user shows or cuts one of them.
inline constexpr std::string_view kHalfSectionLayer = "HALF_SECTION";    // radius 0 to d/2
inline constexpr std::string_view kWholeSectionLayer = "WHOLE_SECTION";  // radius -d/2 to d/2
inline constexpr std::string_view kAxisLayer =
    "AXIS";  // the axis, from the vertex to the rim plane

// The whole file. Every vertex is a point of the profile function, within a micrometre of the curve
// between them. Throws CalcError where the design makes no profile (d not positive, b^2 of 0).
std::string SectionDxf(const Design& design);

}  // namespace velmora::part
