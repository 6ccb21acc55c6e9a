#pragma once

// The sub-reflector's profile table (Text15) from a (Text13), b^2 (Text14) and the range START,
// STOP, STEP (Text17 to Text19). Throws CalcError at its first failing step; Text15 is written
// only once the whole table is built.

#include <cstddef>
#include <optional>

#include "field_set.h"
#include "form_values.h"

namespace velmora {

// A profile table of more rows than this is refused: the calculation ends as at a failing step.
inline constexpr std::size_t kMaxProfileRows = 1'000'000;

void BuildProfileTable(FieldSet& fields, FormValues& values);

// How many rows the table would make from the range now in the fields, or nothing when a bound is
// not a number or the table would be refused. Lets the window prepare for a long table.
std::optional<std::size_t> PlannedProfileRows(const FieldSet& fields);

}  // namespace velmora
