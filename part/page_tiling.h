#pragma once

// A drawing larger than a page cut into pages that overlap, so the pieces can be laid over one
// another and taped: each piece repeats the last `overlap` millimetres of the one before it. And
// the bound on it: a full-size template of more pages than that is no longer a template to tape
// together but a job for the part files.

#include <cstddef>
#include <vector>

namespace velmora::part {

// The overlap of two neighbouring pieces of a template.
inline constexpr double kTileOverlapMm = 10.0;

// The most pages one template is cut into. A 3.7 m dish on A4 takes 71; that many sheets taped
// together no longer lie flat or true, and the reflector's DXF or CSV serves better.
inline constexpr std::size_t kMaxTemplatePages = 40;

struct TileSpan {
  double start = 0.0;   // from the drawing's start, mm
  double length = 0.0;  // as drawn on this piece, at most the window
};

// How many pieces an `extent` takes in windows of `window` (both mm): one when it fits, else
// ceil((extent - overlap) / (window - overlap)). A window no larger than the overlap is taken as
// one millimetre larger, so the pieces still advance. Counted without making them, so that a dish
// of tens of thousands of pages is refused at no cost.
double TileCount(double extent, double window, double overlap = kTileOverlapMm);

// The pieces themselves, each starting `window - overlap` after the one before; the last ends at
// the extent.
std::vector<TileSpan> TileSpans(double extent, double window, double overlap = kTileOverlapMm);

}  // namespace velmora::part
