#pragma once

// The main reflector's profile for a spreadsheet or a CNC table: RFC 4180 CSV, CR LF, a header
// row, then the radius r and the depth z = r² / 4F below the vertex plane, F the focal length as
// Text5 holds it. The captions are r and z, not the profile table's Y and X: that table is the
// sub-reflector's, and a designer names the paraboloid's coordinates r and z.

#include <cstddef>
#include <string>
#include <string_view>

#include "design.h"

namespace velmora::part {

inline constexpr std::string_view kMainCsvRadiusHeader = "r (mm)";
inline constexpr std::string_view kMainCsvDepthHeader = "z (mm)";

// Beyond a million rows no spreadsheet opens the file (Excel stops at 1,048,576 lines).
inline constexpr std::size_t kMaxMainCsvRows = 1'000'000;

// The radius step unless one is asked for: a row every 5 mm reads a dish of a few metres in a
// few hundred rows.
inline constexpr double kMainCsvDefaultStepMm = 5.0;

// Rows at radius 0, stepMm, 2 × stepMm, ... below the rim (each the double nearest the decimal
// product, 0.9 and not 0.8999999999999999 for a step of 0.3), and a last row at the rim D/2 itself,
// whether or not the steps reach it evenly (a step that ends within a billionth of the rim is
// taken as the rim). Numbers in their shortest round-trip form. Throws std::invalid_argument for
// a step that is not a positive finite number of millimetres or that gives more than
// kMaxMainCsvRows rows, CalcError where the design makes no dish (D not positive, F of 0).
std::string MainProfileCsv(const Design& design, double stepMm);

}  // namespace velmora::part
