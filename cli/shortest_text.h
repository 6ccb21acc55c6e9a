#pragma once

// Numbers the program prints that are no field's text (a JSON value, a count in a message, a
// default in the help): the shortest decimal that reads back as the same number.

#include <cstdint>
#include <string>

namespace velmora::cli {

std::string ShortestText(double value);
std::string CountText(std::uint64_t count);

}  // namespace velmora::cli
