#pragma once

// Where a press of Calculate stopped. The calculation writes its results one field a step, in a
// fixed order, and stops silently at its first failing step: the field written last names the
// step after which it stopped.

#include <optional>

#include "field_set.h"

namespace velmora::cli {

struct FailingStep {
  int number;      // the step of the calculation; 0 for the profile table
  FieldId result;  // the field that step would have written
};

// The step after the one that wrote `lastWritten`; the first step when nothing was written.
FailingStep StepAfter(std::optional<FieldId> lastWritten);

}  // namespace velmora::cli
