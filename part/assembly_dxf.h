#pragma once

// The antenna's assembly drawing: an AutoCAD R12 ASCII DXF in millimetres of the section through
// the axis, x along the axis from the main reflector's vertex (the origin) towards the
// sub-reflector, y outwards from the axis, both halves. The reflectors' whole sections in place,
// the axis, the prime focus F and the feed's phase centre F' (the hyperbola's other focus), and
// the edge rays: from F' by the sub-reflector's rim to the main reflector's rim, and from there
// parallel to the axis out to the plane of F.

#include <string>
#include <string_view>

#include "design.h"

namespace velmora::part {

inline constexpr std::string_view kMainReflectorLayer = "MAIN_REFLECTOR";
inline constexpr std::string_view kSubReflectorLayer = "SUB_REFLECTOR";
inline constexpr std::string_view kAssemblyAxisLayer = "AXIS";
inline constexpr std::string_view kFociLayer = "FOCI";  // points F and F', labelled
inline constexpr std::string_view kRaysLayer = "RAYS";

// The whole file, made from AntennaOf(design). Throws as AntennaOf.
std::string AssemblyDxf(const Design& design);

}  // namespace velmora::part
