#pragma once

// A flat drawing as an AutoCAD R12 ASCII DXF in millimetres: named layers, each entity on one of
// them, and the extent of everything drawn in the header, so a reader's first zoom shows it all.

#include <span>
#include <string>
#include <string_view>

#include "dxf_groups.h"

namespace velmora::part {

struct DxfLayer {
  std::string_view name;
  int colour;  // AutoCAD colour index
};

struct DrawingPoint {
  double x = 0.0;
  double y = 0.0;
};

class DxfDrawing {
 public:
  // The layers after AutoCAD's own layer "0", in the order of the layer table.
  explicit DxfDrawing(std::span<const DxfLayer> layers) : layers_(layers) {}

  // An open polyline through the points.
  void Polyline(std::string_view layer, std::span<const DrawingPoint> points);
  void Line(std::string_view layer, DrawingPoint from, DrawingPoint to);
  void Point(std::string_view layer, DrawingPoint at);
  // Text of the given height, its baseline starting at `at`.
  void Label(std::string_view layer, DrawingPoint at, double height, std::string_view text);

  // The whole file: header, tables, the entities drawn so far; the drawing is left empty.
  [[nodiscard]] std::string Take();

 private:
  void Extend(DrawingPoint p);

  std::span<const DxfLayer> layers_;
  DxfGroups entities_;
  bool empty_ = true;
  DrawingPoint min_;
  DrawingPoint max_;
};

}  // namespace velmora::part
