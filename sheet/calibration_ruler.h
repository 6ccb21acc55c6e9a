#pragma once

// A 100 mm rule with millimetre ticks, printed on every template page: laid against a steel rule,
// it shows whether the page came out at full size in that direction.

#include <QPointF>
#include <Qt>

namespace velmora::sheet {

class PageCanvas;

inline constexpr double kRulerLengthMm = 100.0;

// The rule from `startMm` to 100 mm further right (horizontal) or further down (vertical); the
// ticks stand on the side away from the page's edge: above a horizontal rule, right of a vertical
// one.
void PaintCalibrationRuler(const PageCanvas& canvas, const QPointF& startMm,
                           Qt::Orientation orientation);

}  // namespace velmora::sheet
