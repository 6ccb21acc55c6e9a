#include "calculator.h"

#include "calc_error.h"
#include "geometry.h"
#include "profile.h"

namespace velmora {

void Calculator::Command1_Click() {
  try {
    values_.ProfileText = std::string();
    RunGeometryThroughConjugateAxis(fields_, values_);
    BuildProfileTable(fields_, values_);
    RunFeedPlacement(fields_, values_);
  } catch (const CalcError&) {
    // The calculation ends silently at its first failing step; nothing is undone.
  }
}

}  // namespace velmora
