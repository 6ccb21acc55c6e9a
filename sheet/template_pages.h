#pragma once

// The full-size templates: each reflector's whole section, from rim to rim, drawn 1:1 with its
// axis, vertex plane and rim plane, to be cut out or laid on the work. A template larger than the
// page is cut into overlapping pieces (page_tiling.h) with alignment crosses in the overlaps;
// every piece carries both calibration rules, the print-at-100 % line, the design's name and its
// number "k / n". A template of more pages than the tiling's bound is not tiled at all.

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

#include "design.h"
#include "profile_function.h"

namespace velmora::sheet {

class PageCanvas;

enum class Reflector { Sub, Main };

struct TemplateDrawing {
  Reflector reflector = Reflector::Sub;
  QString title;
  double rimRadius = 0.0;
  double rimDepth = 0.0;
  // The sub-reflector is drawn as it faces the feed, vertex up; the dish vertex down.
  bool vertexUp = true;
  // (radius, depth below the vertex plane), mm, rim to rim: the part files' own points. Empty
  // until AddSection, so that a template too large to print costs no sampling.
  std::vector<ProfilePoint> section;
};

// The template's title and rim, from the model's own rim radius and depth. Throws CalcError where
// the reflector has no rim (a diameter not positive, F of 0, b² of 0).
TemplateDrawing TemplateOutline(const part::Design& design, Reflector reflector);
// Its section, rim to rim. Throws as the model's sections do (TooManyPoints beyond the cap).
void AddSection(TemplateDrawing& drawing, const part::Design& design);

// The page's room for the drawing: the printable area less the header and the two rules.
QSizeF TemplateWindow(const QSizeF& printableMm);

// How many pages the template takes on a page of that printable area, counted, not made.
double TemplatePageCount(const TemplateDrawing& drawing, const QSizeF& printableMm);

// The pieces of a template for a page of that printable area: each the part of the drawing's
// box (mm, origin at the vertex, y down the page) that one page shows.
std::vector<QRectF> TemplatePieces(const TemplateDrawing& drawing, const QSizeF& printableMm);

struct PieceLabel {
  QString designName;
  int number = 1;  // from 1
  int count = 1;
  QString accuracy;  // the surface accuracy the part must hold at the user's frequency, or empty
};

void PaintTemplatePiece(const PageCanvas& canvas, const TemplateDrawing& drawing,
                        const QRectF& piece, const PieceLabel& label);

}  // namespace velmora::sheet
