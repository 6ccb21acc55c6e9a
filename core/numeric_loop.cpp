#include "numeric_loop.h"

#include <cmath>

#include "number_text.h"

namespace velmora {

LoopBounds ReadLoopBounds(std::string_view startText, std::string_view endText,
                          std::string_view stepText) {
  const double step = ToNumber(stepText);
  const double end = ToNumber(endText);
  const double start = ToNumber(startText);
  return {start, end, step};
}

bool LoopValues::TryAdvance() {
  const double next = value_ + bounds_.step;
  if (!std::isfinite(next)) return false;
  value_ = next;
  return true;
}

std::optional<std::size_t> CountLoopPasses(const LoopBounds& bounds, std::size_t limit) {
  LoopValues values(bounds);
  if (!values.Continues()) return 0;
  if (bounds.start + bounds.step == bounds.start) return std::nullopt;  // the value never moves
  // A range far beyond the limit is refused without counting. The quotient is only an estimate
  // of the count, so the margin leaves the near cases to the exact count below.
  const double estimate = (bounds.end - bounds.start) / bounds.step;
  if (!(estimate < 2.0 * static_cast<double>(limit))) return std::nullopt;
  std::size_t passes = 0;
  do {
    if (++passes > limit) return std::nullopt;
  } while (values.TryAdvance() && values.Continues());
  return passes;
}

}  // namespace velmora
