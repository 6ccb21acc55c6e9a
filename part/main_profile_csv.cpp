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

// The radius of row i: the double nearest i × step as a designer writes the step, 0.9 for the
// third row of 0.3 rather than the product's 0.8999999999999999. The step's shortest decimal, in
// units of its last place, times i is an exact whole number, and one division by a power of ten
// rounds it once; a step of more digits than that allows is multiplied as it is.
class Radii {
 public:
  explicit Radii(double step) : step_(step) {
    std::string text;
    AppendDecimal(text, step);
    const std::size_t point = text.find('.');
    const std::size_t places = point == std::string::npos ? 0 : text.size() - point - 1;
    if (places > kExactPowersOfTen) return;
    for (std::size_t i = 0; i < places; ++i) scale_ *= 10.0;
    units_ = std::round(step * scale_);
    exact_ = units_ * static_cast<double>(kMaxMainCsvRows) < kExactWholeNumbers;
  }

  [[nodiscard]] double At(std::size_t i) const {
    const auto row = static_cast<double>(i);
    return exact_ ? (row * units_) / scale_ : row * step_;
  }

 private:
  static constexpr std::size_t kExactPowersOfTen = 22;  // 10^22 is the last a double holds
  static constexpr double kExactWholeNumbers = 9007199254740992.0;  // 2^53
  double step_;
  double scale_ = 1.0;
  double units_ = 0.0;
  bool exact_ = false;
};

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
  const Radii radii(stepMm);
  for (std::size_t i = 0; i < below; ++i) row.Append(csv, radii.At(i));
  row.Append(csv, rim);
  return csv;
}

}  // namespace velmora::part
