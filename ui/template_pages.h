#pragma once

// The full-size templates: each reflector's whole section, from rim to rim, drawn 1:1 with its
// axis, vertex plane and rim plane, to be cut out or laid on the work. A template larger than the
// page is cut into overlapping pieces (page_tiling.h) with alignment crosses in the overlaps;
// every piece carries both calibration rules, the print-at-100 % line, the design's name and its
// number "k / n".

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "design.h"

namespace velmora::ui {

class PageCanvas;

struct TemplateDrawing {
  QString title;
  // (radius, depth below the vertex plane), mm, rim to rim.
  std::vector<QPointF> section;
  double rimRadius = 0.0;
  double rimDepth = 0.0;
  // The sub-reflector is drawn as it faces the feed, vertex up; the dish vertex down.
  bool vertexUp = true;
};

TemplateDrawing SubReflectorTemplate(const part::Design& design);
TemplateDrawing MainReflectorTemplate(const part::Design& design);

// The page's room for the drawing: the printable area less the header and the two rules.
QSizeF TemplateWindow(const QSizeF& printableMm);

// The pieces of a template for a page of that printable area: each the part of the drawing's
// box (mm, origin at the vertex, y down the page) that one page shows.
std::vector<QRectF> TemplatePieces(const TemplateDrawing& drawing, const QSizeF& printableMm);

struct PieceLabel {
  QString designName;
  int number = 1;  // from 1
  int count = 1;
};

void PaintTemplatePiece(const PageCanvas& canvas, const TemplateDrawing& drawing,
                        const QRectF& piece, const PieceLabel& label);

}  // namespace velmora::ui
