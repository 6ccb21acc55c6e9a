#pragma once

// Numbers in the part files: the shortest decimal that reads back as the same double, in plain
// fixed notation (no exponent), so every CAD reader takes it and no digit of the profile is lost.
// And a figure for a reader to a fixed count of decimals, or of significant digits, in the same
// plain notation.

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

// Appends FixedDecimals(value, decimals), but a value that rounds to zero without a minus sign:
// 47.353 -> "47.35" (2), 0.5 -> "0.500" (3), -0.004 -> "0.00" (2).
void AppendFixed(std::string& out, double value, int decimals);

// Appends `value` rounded to `digits` significant digits (at least 1), in fixed form, the zeros
// the digits need kept: 29.9792458 -> "29.98" (4), 0.000213 -> "0.000213" (3), 0.7 -> "0.700"
// (3), 9.9996 -> "10.00" (4), 47353.2 -> "47350" (4). Zero gives "0" followed by digits - 1
// decimals.
void AppendSignificant(std::string& out, double value, int digits);

}  // namespace velmora::part
