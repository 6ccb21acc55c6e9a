#include "section_dxf.h"

#include <array>

#include "dxf_drawing.h"
#include "main_reflector.h"
#include "sub_reflector.h"

namespace velmora::part {

namespace {

constexpr std::array kLayers{
    DxfLayer{kHalfSectionLayer, 1},   // red
    DxfLayer{kWholeSectionLayer, 7},  // black on white, white on black
    DxfLayer{kAxisLayer, 8},          // grey
};

// x the radius, y the depth.
std::vector<DrawingPoint> Drawn(const std::vector<ProfilePoint>& curve) {
  std::vector<DrawingPoint> points;
  points.reserve(curve.size());
  for (const ProfilePoint& p : curve) points.push_back({p.radius, p.depth});
  return points;
}

}  // namespace

std::string SectionDxf(const std::vector<ProfilePoint>& half,
                       const std::vector<ProfilePoint>& whole) {
  DxfDrawing dxf(kLayers);
  dxf.Polyline(kHalfSectionLayer, Drawn(half));
  dxf.Polyline(kWholeSectionLayer, Drawn(whole));
  dxf.Line(kAxisLayer, {0.0, 0.0}, {0.0, half.empty() ? 0.0 : half.back().depth});
  return dxf.Take();
}

std::string SectionDxf(const Design& design) {
  const std::vector<ProfilePoint> half = HalfSection(design);
  return SectionDxf(half, Mirrored(half));
}

std::string MainSectionDxf(const Design& design) {
  const std::vector<ProfilePoint> half = MainHalfSection(design);
  return SectionDxf(half, Mirrored(half));
}

}  // namespace velmora::part
