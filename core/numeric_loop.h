#pragma once

// The counted loop of the profile table: from start towards end by step, with the loop value
// advanced by a double addition each pass (value + step, not start + k * step), so the additions'
// rounding accumulates: 0 to 1 by 0.1 ends at 0.9999999999999999 and still runs 11 times, while 0
// to 0.3 by 0.1 runs 3 times because the fourth value is 0.30000000000000004.

#include <cstddef>
#include <optional>
#include <string_view>

#include "calc_error.h"

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

// The loop values one after another. Both the count and the run below walk the loop through this
// one generator, so they cannot disagree on where it ends.
class LoopValues {
 public:
  explicit LoopValues(const LoopBounds& bounds) : bounds_(bounds), value_(bounds.start) {}

  // Whether the loop goes on with the current value: up to end for a step of 0 or more, down to
  // it otherwise.
  [[nodiscard]] bool Continues() const {
    return bounds_.step >= 0.0 ? value_ <= bounds_.end : value_ >= bounds_.end;
  }
  [[nodiscard]] double Value() const { return value_; }
  // value + step; false, leaving the value, when the addition overflows.
  [[nodiscard]] bool TryAdvance();

 private:
  LoopBounds bounds_;
  double value_;
};

// The loop planned before its first pass: how many passes it makes, or nothing when it would make
// more than `limit`. A loop that never ends (step 0, or a step too small to move the loop value) is
// told at once; otherwise the count costs one addition per pass, at most limit + 1. Counting stops
// where the step addition would overflow, as the loop itself fails there.
std::optional<std::size_t> CountLoopPasses(const LoopBounds& bounds, std::size_t limit);

// Runs body(value) once per loop value. The step addition is tested like any operation, so a
// loop value that would overflow throws CalcError after the passes before it.
template <typename Body>
void RunNumericLoop(const LoopBounds& bounds, Body&& body) {
  for (LoopValues values(bounds); values.Continues();) {
    body(values.Value());
    if (!values.TryAdvance()) throw CalcError();
  }
}

}  // namespace velmora
