#include "failing_step.h"

#include <array>

namespace velmora::cli {
namespace {

using enum FieldId;

// The calculation's steps that write a field, in the order they run; the others only keep an
// unrounded copy of the step before them, over the same texts, and fail with it.
constexpr std::array<FailingStep, 14> kWritingSteps = {{
    {1, Text5},
    {3, Text6},
    {4, Text7},
    {5, Text16},
    {6, Text8},
    {8, Text9},
    {10, Text10},
    {12, Text11},
    {13, Text12},
    {14, Text13},
    {16, Text14},
    {0, Text15},
    {17, Text20},
    {18, Text21},
}};

}  // namespace

FailingStep StepAfter(std::optional<FieldId> lastWritten) {
  if (!lastWritten) return kWritingSteps.front();
  for (std::size_t k = 0; k + 1 < kWritingSteps.size(); ++k) {
    if (kWritingSteps[k].result == *lastWritten) return kWritingSteps[k + 1];
  }
  return kWritingSteps.back();
}

}  // namespace velmora::cli
