#pragma once

// The printed design: page 1 the design sheet (title, date, the inputs and every result as the
// window shows them, the derived figures, the antenna in cross-section to scale), then the
// full-size templates of the sub-reflector and of the main reflector. One painting for every
// paged device: a PDF file and a printer get the same pages.

#include <QByteArray>
#include <QPageSize>

#include "sheet_content.h"

class QPagedPaintDevice;

namespace velmora::ui {

// The pages on the device, in its page layout (size and margins). Throws CalcError where the
// design's surface cannot be drawn (as ProfileDepth).
void PaintDesignDocument(QPagedPaintDevice& device, const SheetContent& content);

// The margins of the PDF, millimetres on each side of an A4 page.
inline constexpr double kPdfMarginMm = 10.0;

// The document as a PDF on A4, its faces embedded. Throws CalcError as PaintDesignDocument.
QByteArray DesignPdf(const SheetContent& content);

}  // namespace velmora::ui
