#pragma once

// The main reflector as a printable shell in binary STL, millimetres: the paraboloid z = r² / 4F
// with its vertex at the origin and the axis along z towards the focus, a back at an even
// thickness behind it, and a band joining the two at the rim.

#include <string>

#include "design.h"
#include "solid_options.h"

namespace velmora::part {

// A dish is printed or moulded thinner than a sub-reflector's solid.
inline constexpr SolidOptions kMainSolidOptions{.thickness = 2.0};

// The whole file. The thickness is measured along the surface's normal: the back is the surface
// offset away from the focus. Throws std::invalid_argument for options out of range (as
// RevolvedMeridian), CalcError where the design makes no dish (D not positive, F of 0), and
// TooManyPoints for a dish beyond the sampling rule's cap.
std::string MainReflectorStl(const Design& design, const SolidOptions& options = kMainSolidOptions);

}  // namespace velmora::part
