#pragma once

// How many rows the profile table would make from the range now in the fields, counted the way the
// table counts them, so that a fuzz target can keep its long tables rare before it presses
// Calculate: nothing when a bound is not a number or the table would be refused.

#include <cstddef>
#include <optional>

#include "calc_error.h"
#include "field_set.h"
#include "numeric_loop.h"
#include "profile.h"

namespace velmora::fuzz {

inline std::optional<std::size_t> PlannedProfileRows(const FieldSet& fields) {
  using enum FieldId;
  try {
    return CountLoopPasses(
        ReadLoopBounds(fields.Text(Text17), fields.Text(Text18), fields.Text(Text19)),
        kMaxProfileRows);
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

}  // namespace velmora::fuzz
