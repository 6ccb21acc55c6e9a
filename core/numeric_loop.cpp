#include "numeric_loop.h"

#include <cmath>

namespace velmora {

LoopBounds ReadLoopBounds(std::string_view startText, std::string_view endText,
                          std::string_view stepText) {
  const double step = ToNumber(stepText);
  const double end = ToNumber(endText);
  const double start = ToNumber(startText);
  return {start, end, step};
}

std::optional<std::size_t> CountLoopPasses(const LoopBounds& bounds, std::size_t limit) {
  if (!LoopContinues(bounds, bounds.start)) return 0;
  if (bounds.start + bounds.step == bounds.start) return std::nullopt;  // the value never moves
  // A range far beyond the limit is refused without counting. The quotient is only an estimate
  // of the count, so the margin leaves the near cases to the exact count below.
  const double estimate = (bounds.end - bounds.start) / bounds.step;
  if (!(estimate < 2.0 * static_cast<double>(limit))) return std::nullopt;
  std::size_t passes = 0;
  for (double value = bounds.start; LoopContinues(bounds, value); value += bounds.step) {
    if (++passes > limit) return std::nullopt;
    if (!std::isfinite(value + bounds.step)) break;
  }
  return passes;
}

}  // namespace velmora
