#pragma once

// Numbers in the part files: the shortest decimal that reads back as the same double, in plain
// fixed notation (no exponent), so every CAD reader takes it and no digit of the profile is lost.
// Numbers for a reader: a fixed count of decimals, or of significant digits, in the same plain
// notation.

#include <string>

namespace velmora::part {

// Appends `value` in its shortest round-trip fixed form: 3.740116961496219, 35, 0.0000012.
// Negative zero is written as "0".
void AppendDecimal(std::string& out, double value);

// Appends `value` rounded to `decimals` places, to nearest from its exact binary value (a tie,
// which only a value of few binary places can be, to even): 47.353 -> "47.35" (2), 0.5 -> "0.500"
// (3). A value that rounds to zero is written without a minus sign: -0.004 -> "0.00" (2).
void AppendFixed(std::string& out, double value, int decimals);

// Appends `value` rounded to `digits` significant digits (at least 1), in fixed form, the zeros
// the digits need kept: 29.9792458 -> "29.98" (4), 0.000213 -> "0.000213" (3), 0.7 -> "0.700"
// (3), 9.9996 -> "10.00" (4), 47353.2 -> "47350" (4). Zero gives "0" followed by digits - 1
// decimals.
void AppendSignificant(std::string& out, double value, int digits);

}  // namespace velmora::part
