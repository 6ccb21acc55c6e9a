#include "antenna_section.h"

#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "antenna.h"
#include "page_canvas.h"
#include "profile_function.h"

namespace velmora::sheet {
namespace {

// Room on paper around the drawing for its captions, and under it for the scale bar.
constexpr double kCaptionRoom = 12.0;
constexpr double kScaleBarRoom = 14.0;

// 1, 2 or 5 times a power of ten, the nearest at or above `value`.
double RoundLength(double value) {
  const double decade = std::pow(10.0, std::floor(std::log10(value)));
  for (const double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * decade >= value * (1.0 - 1e-9)) return step * decade;
  }
  return 10.0 * decade;
}

// A millionth of the dish's radius, and never finer than the part files' micrometre: on a page
// that shows the whole antenna this is far below a pen's width, and a dish of any size draws in a
// few thousand points.
double SketchTolerance(const part::Design& design) {
  return std::max(kDrawingTolerance, std::abs(design.mainDiameter) * 0.5e-6);
}

struct Frame {
  QPointF originMm;    // where the main reflector's vertex lies on the page
  double scale = 1.0;  // n of 1 : n
  [[nodiscard]] QPointF At(const part::AxialPoint& p) const {
    return {originMm.x() + p.axial / scale, originMm.y() - p.radial / scale};
  }
};

part::AxialPoint Mirror(part::AxialPoint p, double side) {
  return {p.axial, side * p.radial};
}

// One reflector's section, both halves, through `place` (its vertex's position on the axis).
template <class Place>
void DrawCurve(const PageCanvas& canvas, const Frame& frame, const std::vector<ProfilePoint>& half,
               const Place& place) {
  for (const double side : {1.0, -1.0}) {
    QPolygonF line;
    for (const ProfilePoint& p : half) line << canvas.At(frame.At(Mirror(place(p), side)));
    canvas.Painter().drawPolyline(line);
  }
}

void DrawRays(const PageCanvas& canvas, const Frame& frame, const part::Antenna& antenna,
              double endX) {
  canvas.Painter().setPen(canvas.Pen(0.15, Qt::DashLine));
  std::vector<part::AxialPoint> ray = antenna.EdgeRay();
  ray.push_back({endX, antenna.mainRim.radial});
  for (const double side : {1.0, -1.0}) {
    for (std::size_t k = 0; k + 1 < ray.size(); ++k) {
      canvas.Painter().drawLine(canvas.At(frame.At(Mirror(ray[k], side))),
                                canvas.At(frame.At(Mirror(ray[k + 1], side))));
    }
  }
}

// A point of the axis with its name above it.
void Mark(const PageCanvas& canvas, const QPointF& at, const QString& name) {
  canvas.Painter().setPen(canvas.Pen(0.25));
  canvas.Line(at.x() - 1.2, at.y(), at.x() + 1.2, at.y());
  canvas.Line(at.x(), at.y() - 1.2, at.x(), at.y() + 1.2);
  canvas.Text({at.x() - 6.0, at.y() - 6.0, 12.0, 4.5}, Qt::AlignCenter, name, 9.0);
}

void DrawFeedHorn(const PageCanvas& canvas, const QPointF& mouth) {
  canvas.Painter().setPen(canvas.Pen(0.3));
  const QPolygonF horn{canvas.At(mouth.x() - 7.0, mouth.y() - 1.0),
                       canvas.At(mouth.x(), mouth.y() - 2.5), canvas.At(mouth.x(), mouth.y() + 2.5),
                       canvas.At(mouth.x() - 7.0, mouth.y() + 1.0)};
  canvas.Painter().drawPolygon(horn);
  canvas.Text({mouth.x() - 20.0, mouth.y() + 3.0, 24.0, 4.5}, Qt::AlignCenter,
              QString::fromUtf8("一次放射器"), 8.0);
}

void DrawScaleBar(const PageCanvas& canvas, const QPointF& at, double scale) {
  const double partLength = RoundLength(30.0 * scale);
  const double paper = partLength / scale;
  canvas.Painter().setPen(canvas.Pen(0.3));
  canvas.Line(at.x(), at.y(), at.x() + paper, at.y());
  for (const double f : {0.0, 0.5, 1.0}) {
    canvas.Line(at.x() + f * paper, at.y() - 1.5, at.x() + f * paper, at.y());
  }
  canvas.Text({at.x() - 5.0, at.y() + 0.5, 10.0, 4.0}, Qt::AlignCenter, QStringLiteral("0"), 8.0);
  canvas.Text({at.x() + paper - 15.0, at.y() + 0.5, 30.0, 4.0}, Qt::AlignCenter,
              QString::number(partLength) + QStringLiteral(" mm"), 8.0);
  canvas.Text({at.x() + paper + 18.0, at.y() - 3.0, 40.0, 5.0}, Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromUtf8("縮尺 1:%1").arg(scale), 9.0);
}

}  // namespace

double FittingScale(const QSizeF& extent, const QSizeF& room) {
  const double needed = std::max(extent.width() / room.width(), extent.height() / room.height());
  const double decade = std::pow(10.0, std::floor(std::log10(needed)));
  for (const double step : {1.0, 2.0, 2.5, 5.0, 10.0}) {
    if (step * decade >= needed * (1.0 - 1e-12)) return step * decade;
  }
  return 10.0 * decade;
}

void PaintAntennaSection(const PageCanvas& canvas, const QRectF& boxMm,
                         const part::Design& design) {
  const part::Antenna antenna = part::AntennaOf(design, SketchTolerance(design));
  const part::AxialPoint& mainRim = antenna.mainRim;
  const part::AxialPoint& subRim = antenna.subRim;
  const double left = std::min(0.0, antenna.feed);
  const double right =
      std::max({antenna.focus, subRim.axial, mainRim.axial}) + 0.1 * mainRim.radial;
  const QSizeF extent(right - left, 2.0 * mainRim.radial);
  const QSizeF room(boxMm.width() - 2.0 * kCaptionRoom,
                    boxMm.height() - 2.0 * kCaptionRoom - kScaleBarRoom);
  const double scale = FittingScale(extent, room);
  const double drawnWidth = extent.width() / scale;
  const Frame frame{{boxMm.center().x() - drawnWidth / 2.0 - left / scale,
                     boxMm.top() + kCaptionRoom + (room.height() / 2.0)},
                    scale};

  QPainter& painter = canvas.Painter();
  painter.setPen(canvas.Pen(0.15, Qt::DashDotLine));
  painter.drawLine(canvas.At(frame.At({left, 0.0})), canvas.At(frame.At({right, 0.0})));
  painter.setPen(canvas.Pen(0.4));
  DrawCurve(canvas, frame, antenna.mainHalf,
            [&](const ProfilePoint& p) { return antenna.OnMain(p); });
  DrawCurve(canvas, frame, antenna.subHalf,
            [&](const ProfilePoint& p) { return antenna.OnSub(p); });
  DrawRays(canvas, frame, antenna, right);
  Mark(canvas, frame.At({antenna.focus, 0.0}), QStringLiteral("F"));
  Mark(canvas, frame.At({antenna.feed, 0.0}), QStringLiteral("F'"));
  DrawFeedHorn(canvas, frame.At({antenna.feed, 0.0}));

  const QPointF mainRimOnPage = frame.At(mainRim);
  canvas.Text({mainRimOnPage.x() - 30.0, mainRimOnPage.y() - 6.0, 28.0, 5.0},
              Qt::AlignRight | Qt::AlignVCenter, QString::fromUtf8("主反射鏡"), 9.0);
  const QPointF subRimOnPage = frame.At(subRim);
  canvas.Text({subRimOnPage.x() + 1.5, subRimOnPage.y() - 6.0, 28.0, 5.0},
              Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("副反射鏡"), 9.0);
  DrawScaleBar(canvas, {boxMm.left() + kCaptionRoom, boxMm.bottom() - kScaleBarRoom / 2.0}, scale);
}

}  // namespace velmora::sheet
