#pragma once

// The one rule by which every curve of the antenna becomes points to draw, cut or print: evenly
// spaced in radius, close enough that no chord strays from the curve by more than a tolerance,
// and never more points than a part file or a page can sensibly hold.

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace velmora {

// A point of a reflector's section: its radius from the axis and its depth below the plane of its
// vertex, in millimetres.
struct ProfilePoint {
  double radius = 0.0;
  double depth = 0.0;
};

// The most steps one curve is cut into. A 100 m dish needs some 2,000 at a micrometre; a design
// that needs more than this is absurd or mistyped, and its files would run to gigabytes.
inline constexpr std::size_t kMaxCurveSteps = 200'000;

// A curve that the rule would cut into more than kMaxCurveSteps steps.
class TooManyPoints : public std::length_error {
 public:
  TooManyPoints() : std::length_error("the curve needs too many points") {}
};

// The largest step in radius that keeps every chord within `tolerance` of a curve whose smallest
// radius of curvature is `bendRadius`: a chord of length s departs from an arc of radius ρ by
// about s² / 8ρ. Both in mm.
double ChordStep(double tolerance, double bendRadius);

// The fewest equal steps no longer than `maxStep` over `span` (0 for no span). Throws CalcError
// for a step count that is no finite number, TooManyPoints above kMaxCurveSteps.
std::size_t EvenSteps(double span, double maxStep);

// The curve from one radius to the other (either order) in `steps` equal steps: steps + 1 points
// of `depthAt`, the last on `toRadius` itself rather than on a sum of rounded steps.
template <class DepthAt>
std::vector<ProfilePoint> SampleEvenly(double fromRadius, double toRadius, std::size_t steps,
                                       const DepthAt& depthAt) {
  std::vector<ProfilePoint> points;
  points.reserve(steps + 1);
  const auto count = static_cast<double>(steps);
  for (std::size_t i = 0; i <= steps; ++i) {
    const double radius =
        i == steps ? toRadius
                   : fromRadius + (toRadius - fromRadius) * (static_cast<double>(i) / count);
    points.push_back({radius, depthAt(radius)});
  }
  return points;
}

}  // namespace velmora
