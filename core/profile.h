#pragma once

// The sub-reflector's profile table (Text15) from a (Text13), b^2 (Text14) and the range START,
// STOP, STEP (Text17 to Text19). Throws CalcError at its first failing step; Text15 is written
// only once the whole table is built.

#include <cstddef>
#include <functional>

#include "field_set.h"
#include "form_values.h"

namespace velmora {

// A profile table of more rows than this is refused: the calculation ends as at a failing step.
inline constexpr std::size_t kMaxProfileRows = 1'000'000;

// Told the row count of a table once it is planned, before its first row is built, so that the
// window can prepare for a long one.
using RowsPlanned = std::function<void(std::size_t rows)>;

// Builds the table into a ProfileText of its own making (it starts empty whatever it held) and
// writes it to Text15.
void BuildProfileTable(FieldSet& fields, FormValues& values, const RowsPlanned& planned = {});

}  // namespace velmora
