#include "antenna_section.h"

#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "page_canvas.h"
#include "profile_function.h"
#include "reflector_curves.h"
#include "sub_reflector.h"

namespace velmora::ui {
namespace {

// Room on paper around the drawing for its captions, and under it for the scale bar.
constexpr double kCaptionRoom = 12.0;
constexpr double kScaleBarRoom = 14.0;

// (radius, depth) to (along the axis, outwards).
std::vector<QPointF> Transposed(std::vector<QPointF> points) {
  for (QPointF& p : points) p = {p.y(), p.x()};
  return points;
}

// 1, 2 or 5 times a power of ten, the nearest at or above `value`.
double RoundLength(double value) {
  const double decade = std::pow(10.0, std::floor(std::log10(value)));
  for (const double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * decade >= value * (1.0 - 1e-9)) return step * decade;
  }
  return 10.0 * decade;
}

struct Frame {
  QPointF originMm;    // where the main reflector's vertex lies on the page
  double scale = 1.0;  // n of 1 : n
  [[nodiscard]] QPointF At(double x, double y) const {
    return {originMm.x() + x / scale, originMm.y() - y / scale};
  }
};

void DrawCurve(const PageCanvas& canvas, const Frame& frame, const std::vector<QPointF>& half,
               double shiftX) {
  for (const double side : {1.0, -1.0}) {
    QPolygonF line;
    for (const QPointF& p : half) line << canvas.At(frame.At(shiftX + p.x(), side * p.y()));
    canvas.Painter().drawPolyline(line);
  }
}

void DrawRays(const PageCanvas& canvas, const Frame& frame, const SectionGeometry& g, double endX) {
  canvas.Painter().setPen(canvas.Pen(0.15, Qt::DashLine));
  for (const double side : {1.0, -1.0}) {
    const std::array<QPointF, 4> ray = {{{g.feed, 0.0},
                                         {g.subRim.x(), side * g.subRim.y()},
                                         {g.mainRim.x(), side * g.mainRim.y()},
                                         {endX, side * g.mainRim.y()}}};
    for (std::size_t k = 0; k + 1 < ray.size(); ++k) {
      canvas.Painter().drawLine(canvas.At(frame.At(ray[k].x(), ray[k].y())),
                                canvas.At(frame.At(ray[k + 1].x(), ray[k + 1].y())));
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

SectionGeometry SectionOf(const part::Design& design) {
  const Hyperbola& h = design.hyperbola;
  const double focus = design.focalLength;
  const double feed = focus - 2.0 * design.halfFocalSpan;
  const double subVertex = feed + std::abs(h.a) + design.halfFocalSpan;
  const double subRadius = part::RimRadius(design);
  const double mainRadius = design.mainDiameter / 2.0;
  SectionGeometry g{
      .focus = focus,
      .feed = feed,
      .subVertex = subVertex,
      .subRim = {subVertex + ProfileDepth(h, subRadius), subRadius},
      .mainRim = {mainRadius * mainRadius / (4.0 * focus), mainRadius},
      .mainReflector = Transposed(MainReflectorSection(focus, 0.0, mainRadius)),
      .subReflector = Transposed(SectionPoints(part::HalfSection(design))),
  };
  return g;
}

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
  const SectionGeometry g = SectionOf(design);
  const double left = std::min(0.0, g.feed);
  const double right = std::max({g.focus, g.subRim.x(), g.mainRim.x()}) + 0.1 * g.mainRim.y();
  const QSizeF extent(right - left, 2.0 * g.mainRim.y());
  const QSizeF room(boxMm.width() - 2.0 * kCaptionRoom,
                    boxMm.height() - 2.0 * kCaptionRoom - kScaleBarRoom);
  const double scale = FittingScale(extent, room);
  const double drawnWidth = extent.width() / scale;
  const Frame frame{{boxMm.center().x() - drawnWidth / 2.0 - left / scale,
                     boxMm.top() + kCaptionRoom + (room.height() / 2.0)},
                    scale};

  QPainter& painter = canvas.Painter();
  painter.setPen(canvas.Pen(0.15, Qt::DashDotLine));
  painter.drawLine(canvas.At(frame.At(left, 0.0)), canvas.At(frame.At(right, 0.0)));
  painter.setPen(canvas.Pen(0.4));
  DrawCurve(canvas, frame, g.mainReflector, 0.0);
  DrawCurve(canvas, frame, g.subReflector, g.subVertex);
  DrawRays(canvas, frame, g, right);
  Mark(canvas, frame.At(g.focus, 0.0), QStringLiteral("F"));
  Mark(canvas, frame.At(g.feed, 0.0), QStringLiteral("F'"));
  DrawFeedHorn(canvas, frame.At(g.feed, 0.0));

  const QPointF mainRim = frame.At(g.mainRim.x(), g.mainRim.y());
  canvas.Text({mainRim.x() - 30.0, mainRim.y() - 6.0, 28.0, 5.0}, Qt::AlignRight | Qt::AlignVCenter,
              QString::fromUtf8("主反射鏡"), 9.0);
  const QPointF subRim = frame.At(g.subRim.x(), g.subRim.y());
  canvas.Text({subRim.x() + 1.5, subRim.y() - 6.0, 28.0, 5.0}, Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromUtf8("副反射鏡"), 9.0);
  DrawScaleBar(canvas, {boxMm.left() + kCaptionRoom, boxMm.bottom() - kScaleBarRoom / 2.0}, scale);
}

}  // namespace velmora::ui
