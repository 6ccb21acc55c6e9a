#pragma once

// A drawing larger than a page cut into pages that overlap, so the pieces can be laid over one
// another and taped: each piece repeats the last `overlap` millimetres of the one before it.

#include <vector>

namespace velmora::ui {

// The overlap of two neighbouring pieces of a template.
inline constexpr double kTileOverlapMm = 10.0;

struct TileSpan {
  double start = 0.0;   // from the drawing's start, mm
  double length = 0.0;  // as drawn on this piece, at most the window
};

// The pieces of an `extent` in windows of `window` (both mm): one when it fits, else
// ceil((extent - overlap) / (window - overlap)) pieces, each starting `window - overlap` after the
// one before; the last ends at the extent. A window no larger than the overlap is taken as one
// millimetre larger, so the pieces still advance.
std::vector<TileSpan> TileSpans(double extent, double window, double overlap = kTileOverlapMm);

}  // namespace velmora::ui
