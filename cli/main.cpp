// velmora-cli: the window's calculation, table and files from a shell. No toolkit is loaded but
// for a PDF (pdf_maker.h), so that a design's figures come as fast as the process can start.

#include <cstdio>
#include <string>
#include <string_view>

#include "cli_failure.h"
#include "command_line.h"
#include "messages.h"
#include "run_request.h"
#include "system_files.h"
#include "utf8_reader.h"
#include "velmora_version.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

using namespace velmora::cli;

namespace {

// Results are bytes: the table's CR LF stays as it is, and a Windows console shows UTF-8.
void SetUpStandardStreams() {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  SetConsoleOutputCP(CP_UTF8);
#endif
}

void Print(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  if (!text.ends_with('\n')) std::fputc('\n', stream);
}

// A message repeats what the user gave (an option, a cell, a path), which may hold bytes of no
// character: each such byte is said as U+FFFD, so that standard error is always UTF-8.
std::string AsUtf8(std::string_view text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const velmora::Utf8Character character = velmora::ReadUtf8Character(text, at);
    out += character.value == velmora::kReplacementCharacter ? "\uFFFD"
                                                             : text.substr(at, character.bytes);
    at += character.bytes;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  SetUpStandardStreams();
  const std::vector<std::string> arguments = ProgramArguments(argc, argv);
  const std::string program = arguments.empty() ? std::string("velmora-cli") : arguments.front();
  try {
    const Request request = ReadCommandLine(arguments);
    if (request.help) {
      Print(stdout, HelpText(program));
    } else if (request.version) {
      Print(stdout, std::string("velmora-cli ") + velmora::version::kDisplayVersion);
    } else {
      RunRequest(request, stdout);
    }
  } catch (const CliFailure& failure) {
    Print(stderr, "velmora-cli: " + AsUtf8(failure.message));
    if (failure.showUsage) Print(stderr, HelpText(program));
    return static_cast<int>(failure.exit);
  }
  return std::fflush(stdout) == 0 ? 0 : static_cast<int>(Exit::FileNotWritten);
}
