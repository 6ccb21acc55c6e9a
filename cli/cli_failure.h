#pragma once

// A run that ends early: the message for standard error and the exit status a shell sees.

#include <string>

namespace velmora::cli {

enum class Exit : int {
  Done = 0,
  CalculationStopped = 1,  // a failing step of the calculation, or a design that cannot be drawn
  Usage = 2,               // an unknown option, a value that is no number, a sweep too large
  FileNotWritten = 3,      // a file cannot be written or made (the PDF maker missing)
};

struct CliFailure {
  Exit exit;
  std::string message;
  bool showUsage = false;  // the options' summary follows the message
};

}  // namespace velmora::cli
