#include "assembly_dxf.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "antenna.h"
#include "dxf_drawing.h"
#include "main_reflector.h"

namespace velmora::part {

namespace {

constexpr std::array kLayers{
    DxfLayer{kMainReflectorLayer, 5},  // blue
    DxfLayer{kSubReflectorLayer, 1},   // red
    DxfLayer{kAssemblyAxisLayer, 8},   // grey
    DxfLayer{kFociLayer, 3},           // green
    DxfLayer{kRaysLayer, 2},           // yellow
};

DrawingPoint Drawn(AxialPoint p) {
  return {p.axial, p.radial};
}

// A reflector's whole section, rim to rim, placed on the axis.
template <class Place>
std::vector<DrawingPoint> Placed(const std::vector<ProfilePoint>& half, const Place& place) {
  std::vector<DrawingPoint> points;
  const std::vector<ProfilePoint> whole = Mirrored(half);
  points.reserve(whole.size());
  for (const ProfilePoint& p : whole) points.push_back(Drawn(place(p)));
  return points;
}

// The edge ray of one half (`side` +1 or -1), on to the plane `end` parallel to the axis.
std::vector<DrawingPoint> EdgeRay(const Antenna& antenna, double side, double end) {
  std::vector<DrawingPoint> ray;
  for (const AxialPoint& p : antenna.EdgeRay()) ray.push_back({p.axial, side * p.radial});
  ray.push_back({end, side * antenna.mainRim.radial});
  return ray;
}

}  // namespace

std::string AssemblyDxf(const Design& design) {
  const Antenna antenna = AntennaOf(design);
  // The farthest plane of the antenna from the main reflector's vertex.
  const double end = std::max({antenna.focus, antenna.feed, antenna.subRim.axial, antenna.subVertex,
                               antenna.mainRim.axial});

  DxfDrawing dxf(kLayers);
  dxf.Polyline(kMainReflectorLayer,
               Placed(antenna.mainHalf, [&](const ProfilePoint& p) { return antenna.OnMain(p); }));
  dxf.Polyline(kSubReflectorLayer,
               Placed(antenna.subHalf, [&](const ProfilePoint& p) { return antenna.OnSub(p); }));
  dxf.Line(kAssemblyAxisLayer, {0.0, 0.0}, {end, 0.0});
  dxf.Polyline(kRaysLayer, EdgeRay(antenna, 1.0, end));
  dxf.Polyline(kRaysLayer, EdgeRay(antenna, -1.0, end));

  // Labels an eighth of the span between the foci high, so the two stay apart, set just beside
  // their points above the axis.
  const double height = std::abs(antenna.focus - antenna.feed) / 8.0;
  const double offset = height / 4.0;
  dxf.Point(kFociLayer, {antenna.focus, 0.0});
  dxf.Label(kFociLayer, {antenna.focus + offset, offset}, height, "F");
  dxf.Point(kFociLayer, {antenna.feed, 0.0});
  dxf.Label(kFociLayer, {antenna.feed + offset, offset}, height, "F'");
  return dxf.Take();
}

}  // namespace velmora::part
