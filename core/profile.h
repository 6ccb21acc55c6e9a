#pragma once

// The sub-reflector's profile table (Text15) from a (Text13), b^2 (Text14) and the range START,
// STOP, STEP (Text17 to Text19). Throws CalcError at its first failing step; Text15 is written
// only once the whole table is built.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "field_set.h"
#include "form_values.h"

namespace velmora {

// A profile table of more rows than this is refused: the calculation ends as at a failing step.
inline constexpr std::size_t kMaxProfileRows = 1'000'000;

// What the window is told while a table is made. `rowsPlanned`: the row count, before the first
// row is built, so that it can prepare for a long table. `accept`: the whole table, before it
// replaces Text15, as the very string Text15 will hold (FieldSet::SharedText), which nobody
// changes: a window may keep it and index it ahead. A window that cannot show it (no memory left
// for its index) refuses it, and the calculation ends there as at a failing step, Text15 and the
// results after it unchanged.
struct TableWatch {
  std::function<void(std::size_t rows)> rowsPlanned;
  std::function<bool(const std::shared_ptr<const std::string>& table)> accept;
};

// Builds the table into a ProfileText of its own making (it starts empty whatever it held) and
// writes it to Text15.
void BuildProfileTable(FieldSet& fields, FormValues& values, const TableWatch& watch = {});

}  // namespace velmora
