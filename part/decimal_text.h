#pragma once

// Numbers in the part files: the shortest decimal that reads back as the same double, in plain
// fixed notation (no exponent), so every CAD reader takes it and no digit of the profile is lost.
// And a figure of the design sheet to a fixed number of decimals.

#include <string>

namespace velmora::part {

// Appends `value` in its shortest round-trip fixed form: 3.740116961496219, 35, 0.0000012.
// Negative zero is written as "0".
void AppendDecimal(std::string& out, double value);

// A finite `value` to `decimals` decimals, rounded half away from zero on the double's exact
// value (the design sheet's rule): 0.03125 -> "0.0313" (a true tie, which std::to_chars would
// round to the even "0.0312"), 1.00005 -> "1.0001" (the double lies above the tie), 9.99995 ->
// "10.0000"; a sign only for a number below zero: -0.0 -> "0.0000", -0.00001 -> "-0.0000".
std::string FixedDecimals(double value, int decimals);

}  // namespace velmora::part
