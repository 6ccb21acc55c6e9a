#pragma once

// Numbers in the part files: the shortest decimal that reads back as the same double, in plain
// fixed notation (no exponent), so every CAD reader takes it and no digit of the profile is lost.

#include <string>

namespace velmora::part {

// Appends `value` in its shortest round-trip fixed form: 3.740116961496219, 35, 0.0000012.
// Negative zero is written as "0".
void AppendDecimal(std::string& out, double value);

}  // namespace velmora::part
