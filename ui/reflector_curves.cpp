#include "reflector_curves.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {

std::vector<QPointF> MainReflectorSection(double focalLength, double fromRadius, double toRadius) {
  // The parabola bends most at its vertex, 1 / 2F, so chords of sqrt(16 F tolerance) keep to it
  // (the chord rule of SampleProfile).
  const double step = std::sqrt(16.0 * std::abs(focalLength) * kDrawingTolerance);
  const double span = toRadius - fromRadius;
  const int count = std::max(1, static_cast<int>(std::ceil(std::abs(span) / step)));
  std::vector<QPointF> points;
  points.reserve(static_cast<std::size_t>(count) + 1);
  for (int k = 0; k <= count; ++k) {
    const double r = fromRadius + span * k / count;
    points.emplace_back(r, r * r / (4.0 * focalLength));
  }
  return points;
}

std::vector<QPointF> SectionPoints(const std::vector<ProfilePoint>& section) {
  std::vector<QPointF> points;
  points.reserve(section.size());
  for (const ProfilePoint& p : section) points.emplace_back(p.radius, p.depth);
  return points;
}

}  // namespace velmora::ui
