#pragma once

// The printed design: page 1 the design sheet (title, date, the inputs and every result as the
// window shows them, the derived figures, the electrical figures when a frequency is set, the
// antenna in cross-section to scale), then the full-size templates of the sub-reflector and of the
// main reflector, each with the surface accuracy it must hold at that frequency. One painting for
// every paged device: a PDF file and a printer get the same pages. A template of more pages than
// the tiling's bound is left out, and the sheet says so and names the files to use instead.

#include <QByteArray>
#include <QPageSize>
#include <functional>
#include <optional>

#include "sheet_content.h"

class QPagedPaintDevice;

namespace velmora::sheet {

// Told after each page is painted, with the pages painted and the pages in all; false stops the
// painting there.
using PageProgress = std::function<bool(int done, int total)>;

// The pages on the device, in its page layout (size and margins); false when `progress` stopped
// them. Throws CalcError where the design's surface cannot be drawn (as ProfileDepth), and
// TooManyPoints where a curve is beyond the sampling rule's cap.
bool PaintDesignDocument(QPagedPaintDevice& device, const SheetContent& content,
                         const PageProgress& progress = {});

// The margins of the PDF, millimetres on each side of an A4 page.
inline constexpr double kPdfMarginMm = 10.0;

// The document as a PDF on A4, its faces embedded; nothing when `progress` stopped it. Throws as
// PaintDesignDocument.
std::optional<QByteArray> DesignPdf(const SheetContent& content, const PageProgress& progress = {});

}  // namespace velmora::sheet
