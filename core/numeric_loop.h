#pragma once

// The counted loop of the profile table: from start towards end by step, with the loop value
// advanced by a double addition each pass (value + step, not start + k * step), so the additions'
// rounding accumulates: 0 to 1 by 0.1 ends at 0.9999999999999999 and still runs 11 times, while 0
// to 0.3 by 0.1 runs 3 times because the fourth value is 0.30000000000000004.

#include <cstddef>
#include <optional>
#include <string_view>

#include "checked_arithmetic.h"
#include "number_text.h"

namespace velmora {

struct LoopBounds {
  double start;
  double end;
  double step;
};

// Converts the bounds once, in the order the profile table reads them (step, end, start); throws
// CalcError when one is not a number.
LoopBounds ReadLoopBounds(std::string_view startText, std::string_view endText,
                          std::string_view stepText);

// Whether the loop goes on with `value`: up to end for a step of 0 or more, down to it otherwise.
inline bool LoopContinues(const LoopBounds& bounds, double value) {
  return bounds.step >= 0.0 ? value <= bounds.end : value >= bounds.end;
}

// Runs body(value) once per loop value. The step addition is tested like any operation, so a
// loop value that would overflow throws CalcError.
template <typename Body>
void RunNumericLoop(const LoopBounds& bounds, Body&& body) {
  for (double value = bounds.start; LoopContinues(bounds, value);
       value = checked::Add(value, bounds.step)) {
    body(value);
  }
}

// How many passes the loop would make, found without running a body, or nothing when it would
// make more than `limit`. A loop that never ends (step 0, or a step too small to move the loop
// value) is told at once; otherwise the count costs one addition per pass, at most limit + 1.
// Counting stops where the step addition would overflow, as the loop itself would fail there.
std::optional<std::size_t> CountLoopPasses(const LoopBounds& bounds, std::size_t limit);

}  // namespace velmora
