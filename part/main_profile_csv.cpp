#include "main_profile_csv.h"

#include <cmath>
#include <stdexcept>

#include "csv_rows.h"
#include "decimal_text.h"
#include "main_reflector.h"

namespace velmora::part {

namespace {

// Radii this close to the rim are the rim: a step that divides it evenly, but for rounding.
constexpr double kRimNearness = 1e-9;

void AppendPoint(std::string& csv, const Design& design, double radius) {
  std::string r;
  std::string z;
  AppendDecimal(r, radius);
  AppendDecimal(z, MainDepth(design, radius));
  AppendCsvRow(csv, r, z);
}

}  // namespace

std::string MainProfileCsv(const Design& design, double stepMm) {
  if (!(std::isfinite(stepMm) && stepMm > 0.0)) {
    throw std::invalid_argument("the step must be a positive number of millimetres");
  }
  const double rim = MainRimRadius(design);
  // Whole steps below the rim, and the rim: checked as a quotient before it can overflow a count.
  const double steps = std::ceil((rim / stepMm) * (1.0 - kRimNearness));
  if (!(steps + 1.0 <= static_cast<double>(kMaxMainCsvRows))) {
    throw std::invalid_argument("the step gives the main reflector's profile too many rows");
  }
  const auto below = static_cast<std::size_t>(steps);
  std::string csv;
  AppendCsvRow(csv, kMainCsvRadiusHeader, kMainCsvDepthHeader);
  for (std::size_t i = 0; i < below; ++i) {
    AppendPoint(csv, design, static_cast<double>(i) * stepMm);
  }
  AppendPoint(csv, design, rim);
  return csv;
}

}  // namespace velmora::part
