#pragma once

// The antenna in cross-section, drawn to scale from its one geometry: the main reflector's
// parabola, the sub-reflector's hyperbola, the foci F and F', the feed, and the edge rays from F'
// by the sub-reflector's rim to the main reflector's rim and on, parallel to the axis.

#include <QRectF>
#include <QSizeF>

#include "design.h"

namespace velmora::sheet {

class PageCanvas;

// The scale 1 : n that fits `extent` (mm of part) into `room` (mm of paper): n is the smallest of
// 1, 2, 2.5, 5 times a power of ten that fits, so the drawing reads on a scale rule.
double FittingScale(const QSizeF& extent, const QSizeF& room);

// Draws the section, centred in `boxMm` of the page, with its scale and a scale bar. Throws
// CalcError where a reflector cannot be drawn, TooManyPoints where a curve is beyond the sampling
// rule's cap.
void PaintAntennaSection(const PageCanvas& canvas, const QRectF& boxMm, const part::Design& design);

}  // namespace velmora::sheet
