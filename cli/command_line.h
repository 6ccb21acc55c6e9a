#pragma once

// The options a shell user gives, read into what the run is to do. Every option is named for what
// it is; a value is checked when it is read, so that nothing is calculated or written from a
// command line with a mistake in it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design_files.h"
#include "design_inputs.h"
#include "electrical_figures.h"
#include "file_kinds.h"
#include "sweep.h"

namespace velmora::cli {

enum class Output { Text, Json, Table };

struct Request {
  bool help = false;
  bool version = false;
  InputTexts inputs;
  Output output = Output::Text;
  std::vector<FileRequest> files;
  part::FileOptions fileOptions;
  std::vector<SweepAxis> sweeps;
  std::optional<std::string> designsPath;
  // Where given, the electrical figures at this frequency join the results and the sheet.
  std::optional<part::ElectricalInputs> electrical;
  [[nodiscard]] bool ManyDesigns() const { return !sweeps.empty() || designsPath.has_value(); }
};

// `arguments` as the program got them, its own name first. Throws CliFailure (exit 2, with the
// usage) for an unknown option, a missing or wrong value, or options that do not go together.
Request ReadCommandLine(const std::vector<std::string>& arguments);

// The help: usage, what the program does, every option with what it takes when left out, the
// exit codes. `program` is the program's name as it was called.
std::string HelpText(std::string_view program);

}  // namespace velmora::cli
