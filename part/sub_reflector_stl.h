#pragma once

// The sub-reflector as a printable solid in binary STL, millimetres: the reflecting surface with
// its vertex at the origin and the axis along z, a cylindrical rim, and a flat back.

#include <string>

#include "design.h"

namespace velmora::part {

struct SolidOptions {
  double thickness = 3.0;   // mm from the rim plane to the back
  int facetsPerTurn = 360;  // kMinFacetsPerTurn to kMaxFacetsPerTurn
};

// The whole file. Throws std::invalid_argument for options out of range (see RevolvedSolid), and
// CalcError where the design makes no profile (d not positive, b^2 of 0).
std::string SubReflectorStl(const Design& design, const SolidOptions& options = {});

}  // namespace velmora::part
