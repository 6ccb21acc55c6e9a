#pragma once

// The program's dealings with the file system and its own start, without a toolkit: the command
// line as UTF-8, a file read whole, a file written whole or not at all, and why either failed,
// in the words the window's file layer uses for the same failures.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// The program's name and arguments as the user typed them, in UTF-8 (on Windows from the wide
// command line, so that any file name survives).
std::vector<std::string> ProgramArguments(int argc, char** argv);

#ifndef _WIN32
// The folder the running program's file lies in; empty where it cannot be told.
std::string ProgramFolder();
#endif

// The file's bytes; nothing when it cannot be read, `reason` then says why.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& reason);
std::string ReadStandardInput();

// The bytes go to a temporary file beside the target, which replaces the target only once
// everything is on disk; an existing target keeps its permissions, a link is written through
// to the file it names. Nothing when the file is written; else the reason, the target left as it
// was and no temporary file behind.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

// A path as the system writes it in a message: with backslashes on Windows.
std::string NativeSeparators(std::string path);

}  // namespace velmora::cli
