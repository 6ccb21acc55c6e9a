#pragma once

// The whole antenna on one axis, as the window's fields place it: the main reflector's vertex at 0,
// the feed point F' at A (Text21), the sub-reflector's vertex at A + B (B = F'A, Text20), the
// focus F at the focal length (Text5), and each reflector's section and rim. Every drawing of the
// antenna, on paper or in a file, is made from this and from nothing else.

#include <vector>

#include "design.h"
#include "profile_function.h"

namespace velmora::part {

// A point of the antenna's section: `axial` along the axis from the main reflector's vertex
// towards the sub-reflector, `radial` outwards from the axis, both in mm.
struct AxialPoint {
  double axial = 0.0;
  double radial = 0.0;
};

struct Antenna {
  double focus = 0.0;      // F
  double feed = 0.0;       // F' = A
  double subVertex = 0.0;  // A + B
  // The rims' planes and radii; the sub-reflector's rim plane lies its depth beyond its vertex.
  AxialPoint mainRim;  // (D² / 16F, D / 2)
  AxialPoint subRim;   // (A + B + depth at d/2, d / 2)
  // Each reflector from the vertex to the rim, (radius, depth below its vertex plane).
  std::vector<ProfilePoint> mainHalf;
  std::vector<ProfilePoint> subHalf;

  // A point of a reflector's section (radius, depth) placed on the axis.
  [[nodiscard]] AxialPoint OnMain(const ProfilePoint& p) const { return {p.depth, p.radius}; }
  [[nodiscard]] AxialPoint OnSub(const ProfilePoint& p) const {
    return {subVertex + p.depth, p.radius};
  }
  // The edge ray of the upper half: from F' by the sub-reflector's rim to the main reflector's
  // rim; beyond it the ray leaves parallel to the axis.
  [[nodiscard]] std::vector<AxialPoint> EdgeRay() const { return {{feed, 0.0}, subRim, mainRim}; }
};

// The antenna of a design, every curve within `tolerance` (mm) of its surface. Throws CalcError
// where a reflector cannot be drawn (a diameter not positive, b² of 0, F of 0), TooManyPoints for
// a curve beyond the sampling rule's cap.
Antenna AntennaOf(const Design& design, double tolerance = kDrawingTolerance);

}  // namespace velmora::part
