#pragma once

// How a reflector becomes a printable solid: the thickness behind its surface and how finely a
// turn about the axis is cut.

namespace velmora::part {

struct SolidOptions {
  double thickness = 3.0;   // mm behind the surface
  int facetsPerTurn = 360;  // kMinFacetsPerTurn to kMaxFacetsPerTurn
};

}  // namespace velmora::part
