#pragma once

// The sub-reflector as a printable solid in binary STL, millimetres: the reflecting surface with
// its vertex at the origin and the axis along z, a cylindrical rim, and a flat back.

#include <string>

#include "design.h"
#include "solid_options.h"

namespace velmora::part {

// The whole file, the thickness measured from the rim plane to the flat back. Throws
// std::invalid_argument for options out of range (see RevolvedSolid), and CalcError where the
// design makes no profile (d not positive, b^2 of 0).
std::string SubReflectorStl(const Design& design, const SolidOptions& options = {});

}  // namespace velmora::part
