#include "section_dxf.h"

#include <array>
#include <vector>

#include "dxf_groups.h"
#include "profile_function.h"
#include "sub_reflector.h"

namespace velmora::part {

namespace {

struct Layer {
  std::string_view name;
  int colour;  // AutoCAD colour index
};

constexpr std::array kLayers{
    Layer{"0", 7}, Layer{kHalfSectionLayer, 1},  // red
    Layer{kWholeSectionLayer, 7},                // black on white, white on black
    Layer{kAxisLayer, 8},                        // grey
};

constexpr std::string_view kContinuous = "CONTINUOUS";

// R12 header: the version, the drawing's extent for a first zoom, and millimetres, which R12
// itself cannot say but later readers take from $INSUNITS and $MEASUREMENT.
void WriteHeader(DxfGroups& dxf, double rim, double rimDepth) {
  dxf.Text(0, "SECTION");
  dxf.Text(2, "HEADER");
  dxf.Text(9, "$ACADVER");
  dxf.Text(1, "AC1009");
  dxf.Text(9, "$DWGCODEPAGE");
  dxf.Text(3, "ANSI_1252");
  dxf.Text(9, "$INSBASE");
  dxf.Point(10, 0.0, 0.0);
  dxf.Text(9, "$EXTMIN");
  dxf.Point(10, -rim, 0.0);
  dxf.Text(9, "$EXTMAX");
  dxf.Point(10, rim, rimDepth);
  dxf.Text(9, "$INSUNITS");
  dxf.Integer(70, 4);  // millimetres
  dxf.Text(9, "$MEASUREMENT");
  dxf.Integer(70, 1);  // metric
  dxf.Text(0, "ENDSEC");
}

void WriteTables(DxfGroups& dxf) {
  dxf.Text(0, "SECTION");
  dxf.Text(2, "TABLES");
  dxf.Text(0, "TABLE");
  dxf.Text(2, "LTYPE");
  dxf.Integer(70, 1);
  dxf.Text(0, "LTYPE");
  dxf.Text(2, kContinuous);
  dxf.Integer(70, 0);
  dxf.Text(3, "Solid line");
  dxf.Integer(72, 65);  // alignment 'A', the only one there is
  dxf.Integer(73, 0);   // no dashes
  dxf.Real(40, 0.0);
  dxf.Text(0, "ENDTAB");
  dxf.Text(0, "TABLE");
  dxf.Text(2, "LAYER");
  dxf.Integer(70, static_cast<int>(kLayers.size()));
  for (const Layer& layer : kLayers) {
    dxf.Text(0, "LAYER");
    dxf.Text(2, layer.name);
    dxf.Integer(70, 0);
    dxf.Integer(62, layer.colour);
    dxf.Text(6, kContinuous);
  }
  dxf.Text(0, "ENDTAB");
  dxf.Text(0, "ENDSEC");
}

// An open 2D polyline through the points, x the radius and y the depth.
void WritePolyline(DxfGroups& dxf, std::string_view layer,
                   const std::vector<ProfilePoint>& points) {
  dxf.Text(0, "POLYLINE");
  dxf.Text(8, layer);
  dxf.Integer(66, 1);  // vertices follow
  dxf.Point(10, 0.0, 0.0);
  dxf.Integer(70, 0);
  for (const ProfilePoint& point : points) {
    dxf.Text(0, "VERTEX");
    dxf.Text(8, layer);
    dxf.Point(10, point.radius, point.depth);
  }
  dxf.Text(0, "SEQEND");
  dxf.Text(8, layer);
}

void WriteLine(DxfGroups& dxf, std::string_view layer, ProfilePoint from, ProfilePoint to) {
  dxf.Text(0, "LINE");
  dxf.Text(8, layer);
  dxf.Point(10, from.radius, from.depth);
  dxf.Point(11, to.radius, to.depth);
}

}  // namespace

std::string SectionDxf(const Design& design) {
  const std::vector<ProfilePoint> half = HalfSection(design);
  const std::vector<ProfilePoint> whole = WholeSection(design);
  const ProfilePoint rim = half.back();

  DxfGroups dxf;
  WriteHeader(dxf, rim.radius, rim.depth);
  WriteTables(dxf);
  dxf.Text(0, "SECTION");
  dxf.Text(2, "ENTITIES");
  WritePolyline(dxf, kHalfSectionLayer, half);
  WritePolyline(dxf, kWholeSectionLayer, whole);
  WriteLine(dxf, kAxisLayer, {0.0, 0.0}, {0.0, rim.depth});
  dxf.Text(0, "ENDSEC");
  dxf.Text(0, "EOF");
  return dxf.Take();
}

}  // namespace velmora::part
