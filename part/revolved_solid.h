#pragma once

// The sub-reflector as a closed solid for a printer or a CNC program: the profile revolved about
// the axis, a cylindrical rim, and a flat back.

#include <vector>

#include "profile_function.h"
#include "revolved_meridian.h"

namespace velmora::part {

// `profile` runs from the vertex (radius 0) out to the rim, radii increasing. The reflecting
// surface is z = depth (z into the dish), the back the plane `thickness` behind the rim plane.
// Each ring has `facetsPerTurn` vertices; the solid has 2 x facetsPerTurn x profile.size()
// triangles: the fan round the vertex, the bands of the surface, the rim, the fan of the back.
// Throws std::invalid_argument for a thickness that is not a positive finite number, a profile
// of fewer than two points or not starting at radius 0, and as RevolvedMeridian.
Mesh RevolvedSolid(const std::vector<ProfilePoint>& profile, double thickness, int facetsPerTurn);

}  // namespace velmora::part
