#pragma once

// The options a shell user gives, read into what the run is to do. Every option is named for what
// it is; a value is checked when it is read, so that nothing is calculated or written from a
// command line with a mistake in it.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "design_files.h"
#include "design_inputs.h"
#include "part_files.h"
#include "sweep.h"

namespace velmora::cli {

enum class Output { Text, Json, Table };

struct Request {
  bool help = false;
  bool version = false;
  InputTexts inputs;
  Output output = Output::Text;
  std::vector<FileRequest> files;
  ui::FileOptions fileOptions;
  std::vector<SweepAxis> sweeps;
  std::optional<QString> designsPath;
  [[nodiscard]] bool ManyDesigns() const { return !sweeps.empty() || designsPath.has_value(); }
};

// Throws CliFailure (exit 2, with the usage) for an unknown option, a missing or wrong value, or
// options that do not go together.
Request ReadCommandLine(const QStringList& arguments);

// The help: usage, what the program does, every option, the exit codes.
QString HelpText();

// Whether the arguments ask for the PDF, which alone needs fonts and a (virtual) screen: read
// before any application object exists.
bool AsksForPdf(int argc, const char* const* argv);

}  // namespace velmora::cli
