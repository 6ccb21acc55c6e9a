#include "page_tiling.h"

#include <algorithm>
#include <cmath>

namespace velmora::part {

namespace {

double Advancing(double window, double overlap) {
  return std::max(window, overlap + 1.0);
}

}  // namespace

double TileCount(double extent, double window, double overlap) {
  if (extent <= window) return 1.0;
  const double advance = Advancing(window, overlap) - overlap;
  return std::ceil((extent - overlap) / advance - 1e-9);
}

std::vector<TileSpan> TileSpans(double extent, double window, double overlap) {
  const double count = TileCount(extent, window, overlap);
  if (count <= 1.0) return {{0.0, extent}};
  window = Advancing(window, overlap);
  const double advance = window - overlap;
  std::vector<TileSpan> spans;
  for (int k = 0; k < static_cast<int>(count); ++k) {
    const double start = k * advance;
    spans.push_back({start, std::min(window, extent - start)});
  }
  return spans;
}

}  // namespace velmora::part
