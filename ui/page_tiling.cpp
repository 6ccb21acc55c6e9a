#include "page_tiling.h"

#include <algorithm>
#include <cmath>

namespace velmora::ui {

std::vector<TileSpan> TileSpans(double extent, double window, double overlap) {
  if (extent <= window) return {{0.0, extent}};
  window = std::max(window, overlap + 1.0);
  const double advance = window - overlap;
  const auto count = static_cast<int>(std::ceil((extent - overlap) / advance - 1e-9));
  std::vector<TileSpan> spans;
  for (int k = 0; k < count; ++k) {
    const double start = k * advance;
    spans.push_back({start, std::min(window, extent - start)});
  }
  return spans;
}

}  // namespace velmora::ui
