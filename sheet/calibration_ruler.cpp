#include "calibration_ruler.h"

#include "page_canvas.h"

namespace velmora::sheet {
namespace {

// Tick lengths: every millimetre, every five, every ten.
double TickLength(int mm) {
  if (mm % 10 == 0) return 3.5;
  return mm % 5 == 0 ? 2.5 : 1.5;
}

}  // namespace

void PaintCalibrationRuler(const PageCanvas& canvas, const QPointF& startMm,
                           Qt::Orientation orientation) {
  const bool horizontal = orientation == Qt::Horizontal;
  // Along the rule and across it, towards the ticks.
  const auto at = [&](double along, double across) {
    return horizontal ? QPointF(startMm.x() + along, startMm.y() - across)
                      : QPointF(startMm.x() + across, startMm.y() + along);
  };
  QPainter& painter = canvas.Painter();
  painter.setPen(canvas.Pen(0.1));
  const auto length = static_cast<int>(kRulerLengthMm);
  for (int mm = 0; mm <= length; ++mm) {
    painter.drawLine(canvas.At(at(mm, 0.0)), canvas.At(at(mm, TickLength(mm))));
  }
  painter.setPen(canvas.Pen(0.2));
  painter.drawLine(canvas.At(at(0.0, 0.0)), canvas.At(at(kRulerLengthMm, 0.0)));
  for (int mm = 0; mm <= length; mm += 10) {
    const QPointF label = at(mm, 6.0);
    canvas.Text({label.x() - 4.0, label.y() - 2.0, 8.0, 4.0}, Qt::AlignCenter, QString::number(mm),
                6.0);
  }
  // Under a horizontal rule, below the end of a vertical one.
  const QPointF caption =
      horizontal ? at(kRulerLengthMm / 2.0, -3.5) : at(kRulerLengthMm + 4.0, 2.0);
  canvas.Text({caption.x() - 15.0, caption.y() - 2.0, 30.0, 4.0}, Qt::AlignCenter,
              QStringLiteral("100 mm"), 7.0);
}

}  // namespace velmora::sheet
