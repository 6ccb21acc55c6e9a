#include "sketch.h"

#include <QPainter>
#include <QPen>

#include "form_layout.h"
#include "twips.h"

namespace velmora::ui {

Sketch::Sketch(double dotsPerInch, QWidget* parent) : QWidget(parent), dotsPerInch_(dotsPerInch) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void Sketch::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QColor ink = palette().color(QPalette::WindowText);
  for (const LineEntry& line : Lines()) {
    // Width 0 is Qt's cosmetic pen: one pixel whatever the scale.
    painter.setPen(QPen(ink, 0, line.dotted ? Qt::DotLine : Qt::SolidLine));
    painter.drawLine(ToPixels(line.x1, line.y1, dotsPerInch_),
                     ToPixels(line.x2, line.y2, dotsPerInch_));
  }
}

}  // namespace velmora::ui
