#include "dxf_drawing.h"

#include <algorithm>

namespace velmora::part {

namespace {

constexpr std::string_view kContinuous = "CONTINUOUS";
constexpr DxfLayer kLayerZero{"0", 7};

// R12 header: the version, the drawing's extent for a first zoom, and millimetres, which R12
// itself cannot say but later readers take from $INSUNITS and $MEASUREMENT.
void WriteHeader(DxfGroups& dxf, DrawingPoint min, DrawingPoint max) {
  dxf.Text(0, "SECTION");
  dxf.Text(2, "HEADER");
  dxf.Text(9, "$ACADVER");
  dxf.Text(1, "AC1009");
  dxf.Text(9, "$DWGCODEPAGE");
  dxf.Text(3, "ANSI_1252");
  dxf.Text(9, "$INSBASE");
  dxf.Point(10, 0.0, 0.0);
  dxf.Text(9, "$EXTMIN");
  dxf.Point(10, min.x, min.y);
  dxf.Text(9, "$EXTMAX");
  dxf.Point(10, max.x, max.y);
  dxf.Text(9, "$INSUNITS");
  dxf.Integer(70, 4);  // millimetres
  dxf.Text(9, "$MEASUREMENT");
  dxf.Integer(70, 1);  // metric
  dxf.Text(0, "ENDSEC");
}

void WriteLayer(DxfGroups& dxf, const DxfLayer& layer) {
  dxf.Text(0, "LAYER");
  dxf.Text(2, layer.name);
  dxf.Integer(70, 0);
  dxf.Integer(62, layer.colour);
  dxf.Text(6, kContinuous);
}

void WriteTables(DxfGroups& dxf, std::span<const DxfLayer> layers) {
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
  dxf.Integer(70, static_cast<int>(layers.size() + 1));
  WriteLayer(dxf, kLayerZero);
  for (const DxfLayer& layer : layers) WriteLayer(dxf, layer);
  dxf.Text(0, "ENDTAB");
  dxf.Text(0, "ENDSEC");
}

}  // namespace

void DxfDrawing::Extend(DrawingPoint p) {
  if (empty_) {
    min_ = max_ = p;
    empty_ = false;
    return;
  }
  min_ = {std::min(min_.x, p.x), std::min(min_.y, p.y)};
  max_ = {std::max(max_.x, p.x), std::max(max_.y, p.y)};
}

void DxfDrawing::Polyline(std::string_view layer, std::span<const DrawingPoint> points) {
  entities_.Text(0, "POLYLINE");
  entities_.Text(8, layer);
  entities_.Integer(66, 1);  // vertices follow
  entities_.Point(10, 0.0, 0.0);
  entities_.Integer(70, 0);  // open
  for (const DrawingPoint& point : points) {
    entities_.Text(0, "VERTEX");
    entities_.Text(8, layer);
    entities_.Point(10, point.x, point.y);
    Extend(point);
  }
  entities_.Text(0, "SEQEND");
  entities_.Text(8, layer);
}

void DxfDrawing::Line(std::string_view layer, DrawingPoint from, DrawingPoint to) {
  entities_.Text(0, "LINE");
  entities_.Text(8, layer);
  entities_.Point(10, from.x, from.y);
  entities_.Point(11, to.x, to.y);
  Extend(from);
  Extend(to);
}

void DxfDrawing::Point(std::string_view layer, DrawingPoint at) {
  entities_.Text(0, "POINT");
  entities_.Text(8, layer);
  entities_.Point(10, at.x, at.y);
  Extend(at);
}

void DxfDrawing::Label(std::string_view layer, DrawingPoint at, double height,
                       std::string_view text) {
  entities_.Text(0, "TEXT");
  entities_.Text(8, layer);
  entities_.Point(10, at.x, at.y);
  entities_.Real(40, height);
  entities_.Text(1, text);
  // No reader measures text alike; a character as wide as it is high holds any font's box.
  Extend(at);
  Extend({at.x + (height * static_cast<double>(text.size())), at.y + height});
}

std::string DxfDrawing::Take() {
  DxfGroups file;
  WriteHeader(file, min_, max_);
  WriteTables(file, layers_);
  file.Text(0, "SECTION");
  file.Text(2, "ENTITIES");
  std::string out = file.Take() + entities_.Take();
  file.Text(0, "ENDSEC");
  file.Text(0, "EOF");
  out += file.Take();
  empty_ = true;
  return out;
}

}  // namespace velmora::part
