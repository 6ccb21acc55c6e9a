#pragma once

// What a read command line does: one design's figures, table or files, or one CSV row for each of
// many designs with their files. Results go to standard output, nothing else does.

#include <cstdio>

#include "command_line.h"

namespace velmora::cli {

// Throws CliFailure where the run ends early.
void RunRequest(const Request& request, std::FILE* out);

}  // namespace velmora::cli
