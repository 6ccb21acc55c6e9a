#include "template_pages.h"

#include <QPolygonF>
#include <algorithm>

#include "calibration_ruler.h"
#include "main_reflector.h"
#include "page_canvas.h"
#include "page_tiling.h"
#include "sub_reflector.h"

namespace velmora::sheet {
namespace {

using part::kTileOverlapMm;
using part::TileSpan;
using part::TileSpans;

// The page: a header over the drawing, the rules in strips on the left and at the bottom.
constexpr double kHeaderMm = 20.0;
constexpr double kRuleStripMm = 16.0;
// Room around the section for the planes' extension lines and their names.
constexpr double kSideRoomMm = 34.0;
constexpr double kEndRoomMm = 14.0;

double PaperY(const TemplateDrawing& drawing, double depth) {
  return drawing.vertexUp ? depth : -depth;
}

QRectF DrawingBox(const TemplateDrawing& drawing) {
  const double rimY = PaperY(drawing, drawing.rimDepth);
  const double top = std::min(0.0, rimY) - kEndRoomMm;
  const double bottom = std::max(0.0, rimY) + kEndRoomMm;
  const double halfWidth = drawing.rimRadius + kSideRoomMm;
  return {-halfWidth, top, 2.0 * halfWidth, bottom - top};
}

// A plane of the part seen edge-on: short lines beyond both rims, named on the right, on the side
// away from the other plane.
void DrawPlane(const PageCanvas& canvas, const TemplateDrawing& drawing, double y,
               const QString& name, bool nameAbove) {
  const double from = drawing.rimRadius + 1.0;
  const double to = drawing.rimRadius + kSideRoomMm - 2.0;
  canvas.Painter().setPen(canvas.Pen(0.15));
  canvas.Line(-to, y, -from, y);
  canvas.Line(from, y, to, y);
  const double top = nameAbove ? y - 4.5 : y + 0.5;
  const Qt::Alignment alignment = Qt::AlignRight | (nameAbove ? Qt::AlignBottom : Qt::AlignTop);
  canvas.Text({from, top, to - from, 4.0}, alignment, name, 7.0);
}

void DrawSection(const PageCanvas& canvas, const TemplateDrawing& drawing, const QRectF& box) {
  QPainter& painter = canvas.Painter();
  painter.setPen(canvas.Pen(0.15, Qt::DashDotLine));
  canvas.Line(0.0, box.top() + 3.0, 0.0, box.bottom() - 3.0);
  canvas.Text({1.0, box.top() + 2.0, 10.0, 4.0}, Qt::AlignLeft | Qt::AlignTop,
              QString::fromUtf8("軸"), 7.0);
  DrawPlane(canvas, drawing, 0.0, QString::fromUtf8("頂点面"), drawing.vertexUp);
  DrawPlane(canvas, drawing, PaperY(drawing, drawing.rimDepth),
            QString::fromUtf8("リム面 深さ %1 mm").arg(drawing.rimDepth, 0, 'f', 3),
            !drawing.vertexUp);
  QPen curve = canvas.Pen(0.3);
  curve.setCapStyle(Qt::RoundCap);
  curve.setJoinStyle(Qt::RoundJoin);
  painter.setPen(curve);
  QPolygonF line;
  for (const ProfilePoint& p : drawing.section) {
    line << canvas.At(p.radius, PaperY(drawing, p.depth));
  }
  painter.drawPolyline(line);
}

void Cross(const PageCanvas& canvas, double x, double y) {
  canvas.Painter().setPen(canvas.Pen(0.15));
  canvas.Line(x - 3.0, y, x + 3.0, y);
  canvas.Line(x, y - 3.0, x, y + 3.0);
}

// The overlaps with the neighbouring pieces: a dashed edge, and crosses on the overlap's middle
// that fall on the same point of the part on both pieces.
void DrawOverlaps(const PageCanvas& canvas, const QRectF& piece, const QRectF& box) {
  const double o = kTileOverlapMm;
  canvas.Painter().setPen(canvas.Pen(0.1, Qt::DashLine));
  const double midY = piece.center().y();
  const double midX = piece.center().x();
  if (piece.left() > box.left()) {
    canvas.Line(piece.left() + o, piece.top(), piece.left() + o, piece.bottom());
    for (const double y : {piece.top() + 10.0, midY, piece.bottom() - 10.0}) {
      Cross(canvas, piece.left() + o / 2.0, y);
    }
    canvas.Painter().setPen(canvas.Pen(0.1, Qt::DashLine));
  }
  if (piece.right() < box.right()) {
    canvas.Line(piece.right() - o, piece.top(), piece.right() - o, piece.bottom());
    for (const double y : {piece.top() + 10.0, midY, piece.bottom() - 10.0}) {
      Cross(canvas, piece.right() - o / 2.0, y);
    }
    canvas.Painter().setPen(canvas.Pen(0.1, Qt::DashLine));
  }
  if (piece.top() > box.top()) {
    canvas.Line(piece.left(), piece.top() + o, piece.right(), piece.top() + o);
    Cross(canvas, midX, piece.top() + o / 2.0);
    canvas.Painter().setPen(canvas.Pen(0.1, Qt::DashLine));
  }
  if (piece.bottom() < box.bottom()) {
    canvas.Line(piece.left(), piece.bottom() - o, piece.right(), piece.bottom() - o);
    Cross(canvas, midX, piece.bottom() - o / 2.0);
  }
}

// Corner marks of the piece's edges, where it is cut.
void DrawCropMarks(const PageCanvas& canvas, const QRectF& area) {
  canvas.Painter().setPen(canvas.Pen(0.15));
  constexpr double kArm = 4.0;
  for (const QPointF& c :
       {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
    const double dx = c.x() == area.left() ? kArm : -kArm;
    const double dy = c.y() == area.top() ? kArm : -kArm;
    canvas.Line(c.x(), c.y(), c.x() + dx, c.y());
    canvas.Line(c.x(), c.y(), c.x(), c.y() + dy);
  }
}

void DrawHeader(const PageCanvas& canvas, const TemplateDrawing& drawing, const PieceLabel& label) {
  const double width = canvas.Size().width();
  canvas.Text({0.0, 0.0, width * 0.75, 7.0}, Qt::AlignLeft | Qt::AlignVCenter,
              drawing.title + QString::fromUtf8("  1:1 (実寸)"), 12.0, true);
  canvas.Text({width * 0.75, 0.0, width * 0.25, 7.0}, Qt::AlignRight | Qt::AlignVCenter,
              QStringLiteral("%1 / %2").arg(label.number).arg(label.count), 14.0, true);
  canvas.Text({0.0, 7.5, width * 0.6, 5.5}, Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromUtf8("100 % で印刷してください (実寸)"), 10.0);
  canvas.Text({width * 0.6, 7.5, width * 0.4, 5.5}, Qt::AlignRight | Qt::AlignVCenter,
              label.designName, 9.0);
  if (label.count > 1) {
    canvas.Text({0.0, 13.5, width, 5.0}, Qt::AlignLeft | Qt::AlignVCenter,
                QString::fromUtf8("のりしろ %1 mm: 隣の型紙と十字を重ねて貼ってください")
                    .arg(kTileOverlapMm),
                8.0);
  }
  if (!label.accuracy.isEmpty()) {
    canvas.Text({width * 0.6, 13.5, width * 0.4, 5.0}, Qt::AlignRight | Qt::AlignVCenter,
                label.accuracy, 9.0);
  }
}

}  // namespace

TemplateDrawing TemplateOutline(const part::Design& design, Reflector reflector) {
  if (reflector == Reflector::Sub) {
    const double rim = part::RimRadius(design);
    return {.reflector = reflector,
            .title = QString::fromUtf8("副反射鏡 断面型紙"),
            .rimRadius = rim,
            .rimDepth = ProfileDepth(design.hyperbola, rim),
            .vertexUp = true,
            .section = {}};
  }
  const double rim = part::MainRimRadius(design);
  return {.reflector = reflector,
          .title = QString::fromUtf8("主反射鏡 断面型紙"),
          .rimRadius = rim,
          .rimDepth = part::MainDepth(design, rim),
          .vertexUp = false,
          .section = {}};
}

void AddSection(TemplateDrawing& drawing, const part::Design& design) {
  drawing.section = drawing.reflector == Reflector::Sub ? part::WholeSection(design)
                                                        : part::MainWholeSection(design);
}

QSizeF TemplateWindow(const QSizeF& printableMm) {
  return {printableMm.width() - kRuleStripMm, printableMm.height() - kHeaderMm - kRuleStripMm};
}

double TemplatePageCount(const TemplateDrawing& drawing, const QSizeF& printableMm) {
  const QRectF box = DrawingBox(drawing);
  const QSizeF window = TemplateWindow(printableMm);
  return part::TileCount(box.height(), window.height()) *
         part::TileCount(box.width(), window.width());
}

std::vector<QRectF> TemplatePieces(const TemplateDrawing& drawing, const QSizeF& printableMm) {
  const QRectF box = DrawingBox(drawing);
  const QSizeF window = TemplateWindow(printableMm);
  std::vector<QRectF> pieces;
  for (const TileSpan& row : TileSpans(box.height(), window.height())) {
    for (const TileSpan& column : TileSpans(box.width(), window.width())) {
      pieces.emplace_back(box.left() + column.start, box.top() + row.start, column.length,
                          row.length);
    }
  }
  return pieces;
}

void PaintTemplatePiece(const PageCanvas& canvas, const TemplateDrawing& drawing,
                        const QRectF& piece, const PieceLabel& label) {
  const QRectF area(kRuleStripMm, kHeaderMm, piece.width(), piece.height());
  DrawHeader(canvas, drawing, label);
  QPainter& painter = canvas.Painter();
  painter.save();
  painter.setClipRect(canvas.Box(area));
  painter.translate(canvas.At(area.left() - piece.left(), area.top() - piece.top()));
  DrawSection(canvas, drawing, DrawingBox(drawing));
  DrawOverlaps(canvas, piece, DrawingBox(drawing));
  painter.restore();
  DrawCropMarks(canvas, area);
  const QSizeF page = canvas.Size();
  PaintCalibrationRuler(canvas, {kRuleStripMm, page.height() - 5.0}, Qt::Horizontal);
  PaintCalibrationRuler(canvas, {5.0, kHeaderMm + 5.0}, Qt::Vertical);
}

}  // namespace velmora::sheet
