#pragma once

// One design calculated as the window calculates it: the start-up defaults, the given texts typed
// over them (STOP following a typed sub-reflector diameter, as when the focus leaves that field),
// then one press of Calculate. Where the press stops, the step it stopped at.

#include <optional>

#include "calculator.h"
#include "design_inputs.h"
#include "failing_step.h"

namespace velmora::cli {

struct DesignRun {
  Calculator calculator;
  std::optional<FailingStep> stopped;  // nothing when the press ran to its end
};

void RunDesign(const InputTexts& texts, DesignRun& run);

}  // namespace velmora::cli
