#pragma once

// The two reflectors' sections as points (radius, depth below the vertex plane) in millimetres,
// close enough to the surface that no chord strays from it by more than the drawings' tolerance.

#include <QPointF>
#include <vector>

#include "profile_function.h"

namespace velmora::ui {

// The main reflector: the parabola depth = r^2 / 4F, from one radius to the other.
std::vector<QPointF> MainReflectorSection(double focalLength, double fromRadius, double toRadius);

// The sub-reflector: ProfileDepth, from one radius to the other. Throws CalcError as it does.
std::vector<QPointF> SubReflectorSection(const Hyperbola& hyperbola, double fromRadius,
                                         double toRadius);

}  // namespace velmora::ui
