#pragma once

// A printed page in millimetres. The painter's origin is the top-left corner of the page's
// printable area, as QPdfWriter and QPrinter give it; the device's resolution turns millimetres
// into its units, so a length drawn here is that length on paper.

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QPagedPaintDevice;

namespace velmora::sheet {

inline constexpr double kMillimetresPerInch = 25.4;

class PageCanvas {
 public:
  PageCanvas(QPainter& painter, const QPagedPaintDevice& device);

  [[nodiscard]] QPainter& Painter() const { return painter_; }
  // The printable area.
  [[nodiscard]] QSizeF Size() const { return size_; }
  [[nodiscard]] double Units(double mm) const { return mm * unitsPerMm_; }
  [[nodiscard]] QPointF At(double xMm, double yMm) const { return {Units(xMm), Units(yMm)}; }
  [[nodiscard]] QPointF At(const QPointF& mm) const { return At(mm.x(), mm.y()); }
  [[nodiscard]] QRectF Box(const QRectF& mm) const;

  // A pen of a width on paper; flat ends, so a line ends where it is said to.
  [[nodiscard]] QPen Pen(double widthMm, Qt::PenStyle style = Qt::SolidLine) const;
  void Line(double x1, double y1, double x2, double y2) const;
  // Text in one of the window's Japanese Gothic faces, at a size in points.
  void Text(const QRectF& boxMm, Qt::Alignment alignment, const QString& text, double points,
            bool bold = false, bool fixed = false) const;

 private:
  QPainter& painter_;
  double unitsPerMm_;
  QSizeF size_;
};

// The window's face for a sheet's text.
QFont SheetFont(double points, bool bold, bool fixed);

}  // namespace velmora::sheet
