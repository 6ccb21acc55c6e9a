#include "page_canvas.h"

#include <QPagedPaintDevice>

#include "fonts.h"
#include "form_layout.h"

namespace velmora::sheet {

PageCanvas::PageCanvas(QPainter& painter, const QPagedPaintDevice& device)
    : painter_(painter),
      unitsPerMm_(device.logicalDpiX() / kMillimetresPerInch),
      size_(device.pageLayout().paintRect(QPageLayout::Millimeter).size()) {}

QRectF PageCanvas::Box(const QRectF& mm) const {
  return {At(mm.topLeft()), At(mm.bottomRight())};
}

QPen PageCanvas::Pen(double widthMm, Qt::PenStyle style) const {
  QPen pen(Qt::black, Units(widthMm), style, Qt::FlatCap, Qt::MiterJoin);
  return pen;
}

void PageCanvas::Line(double x1, double y1, double x2, double y2) const {
  painter_.drawLine(At(x1, y1), At(x2, y2));
}

void PageCanvas::Text(const QRectF& boxMm, Qt::Alignment alignment, const QString& text,
                      double points, bool bold, bool fixed) const {
  painter_.setFont(SheetFont(points, bold, fixed));
  painter_.drawText(Box(boxMm), static_cast<int>(alignment.toInt()), text);
}

QFont SheetFont(double points, bool bold, bool fixed) {
  QFont font = ui::MakeFont(fixed ? ui::FontId::Font1 : ui::FontId::Font2);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

}  // namespace velmora::sheet
