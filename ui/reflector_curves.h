#pragma once

// The two reflectors' sections as points (radius, depth below the vertex plane) in millimetres,
// close enough to the surface that no chord strays from it by more than the drawings' tolerance.

#include <QPointF>
#include <vector>

#include "profile_function.h"

namespace velmora::ui {

// The main reflector: the parabola depth = r^2 / 4F, from one radius to the other.
std::vector<QPointF> MainReflectorSection(double focalLength, double fromRadius, double toRadius);

// The sub-reflector's section as the part files have it (part::HalfSection, WholeSection), as
// points to draw: the template and the DXF share every point.
std::vector<QPointF> SectionPoints(const std::vector<ProfilePoint>& section);

}  // namespace velmora::ui
