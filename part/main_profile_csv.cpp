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

// One row; the cells' buffers are the caller's, so a million rows allocate none.
class RowWriter {
 public:
  explicit RowWriter(const Design& design) : design_(design) {}

  void Append(std::string& csv, double radius) {
    r_.clear();
    z_.clear();
    AppendDecimal(r_, radius);
    AppendDecimal(z_, MainDepth(design_, radius));
    AppendCsvRow(csv, r_, z_);
  }

 private:
  const Design& design_;
  std::string r_;
  std::string z_;
};

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
  RowWriter row(design);
  for (std::size_t i = 0; i < below; ++i) row.Append(csv, static_cast<double>(i) * stepMm);
  row.Append(csv, rim);
  return csv;
}

}  // namespace velmora::part
