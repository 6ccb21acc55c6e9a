#pragma once

// Many designs from one command: sweeps of inputs over ranges (every combination of several), or
// the rows of a CSV file, each design the window's defaults with the texts it gives.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "design_inputs.h"

namespace velmora::cli {

// More designs than this in one command are refused as a usage error.
inline constexpr std::uint64_t kMaxDesigns = 1'000'000;

struct SweepAxis {
  std::size_t input;               // index of kInputNames
  std::vector<std::string> texts;  // the values, as the core writes numbers
};

// "sub-diameter=50:100:5": FROM, FROM + STEP, ... up to TO, TO included when a step reaches it.
// Throws CliFailure (exit 2) for a name of no input, a value that is no number, a STEP of 0 or
// leading away from TO, and a range of more than kMaxDesigns values.
SweepAxis ReadSweep(const std::string& spec);

// The number of combinations; throws CliFailure (exit 2) beyond kMaxDesigns.
std::uint64_t CombinationCount(const std::vector<SweepAxis>& axes);

// Every combination of the axes over `base`, the first axis changing slowest.
void ForEachCombination(const std::vector<SweepAxis>& axes, const InputTexts& base,
                        const std::function<void(const InputTexts&)>& design);

// The designs of a CSV file ("-": standard input): a header of input names, then one design a
// row over `base`. Throws CliFailure: exit 2 for an unknown column or a cell that is no number,
// more than kMaxDesigns rows, or a file that cannot be read.
std::vector<InputTexts> ReadDesignsCsv(const std::string& path, const InputTexts& base);

}  // namespace velmora::cli
