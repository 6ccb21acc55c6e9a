#pragma once

// The antenna in cross-section, drawn to scale from the design's figures: the main reflector's
// parabola, the sub-reflector's hyperbola, the foci F and F', the feed, and the edge rays from F'
// by the sub-reflector's rim to the main reflector's rim and on, parallel to the axis.

#include <QPointF>
#include <QRectF>
#include <vector>

#include "design.h"

namespace velmora::ui {

class PageCanvas;

// Points in millimetres of the part: x along the axis from the main reflector's vertex towards
// the sub-reflector, y outwards from the axis.
struct SectionGeometry {
  double focus = 0.0;                  // F: the focal length
  double feed = 0.0;                   // F': F - 2c
  double subVertex = 0.0;              // A: F' + a + c
  QPointF subRim;                      // P: the sub-reflector's rim
  QPointF mainRim;                     // the main reflector's rim, D / 2 out, D^2 / 16F deep
  std::vector<QPointF> mainReflector;  // upper half, vertex to rim
  std::vector<QPointF> subReflector;   // upper half, vertex to rim
};

// Throws CalcError where the profile cannot be drawn (as ProfileDepth).
SectionGeometry SectionOf(const part::Design& design);

// The scale 1 : n that fits `extent` (mm of part) into `room` (mm of paper): n is the smallest of
// 1, 2, 2.5, 5 times a power of ten that fits, so the drawing reads on a scale rule.
double FittingScale(const QSizeF& extent, const QSizeF& room);

// Draws the section, centred in `boxMm` of the page, with its scale and a scale bar.
void PaintAntennaSection(const PageCanvas& canvas, const QRectF& boxMm, const part::Design& design);

}  // namespace velmora::ui
