#include "main_reflector.h"

#include <cmath>

#include "calc_error.h"
#include "checked_arithmetic.h"

namespace velmora::part {

double MainRimRadius(const Design& design) {
  if (!(design.mainDiameter > 0.0)) throw CalcError();
  return design.mainDiameter / 2.0;
}

double MainDepth(const Design& design, double radius) {
  return checked::Div(checked::Mul(radius, radius), checked::Mul(4.0, design.focalLength));
}

std::vector<ProfilePoint> MainHalfSection(const Design& design, double tolerance) {
  if (!(tolerance > 0.0)) throw CalcError();
  const double rim = MainRimRadius(design);
  const double bend = 2.0 * std::abs(design.focalLength);
  const std::size_t steps = EvenSteps(rim, ChordStep(tolerance, bend));
  return SampleEvenly(0.0, rim, steps,
                      [&design](double radius) { return MainDepth(design, radius); });
}

std::vector<ProfilePoint> MainWholeSection(const Design& design, double tolerance) {
  return Mirrored(MainHalfSection(design, tolerance));
}

std::vector<ProfilePoint> Mirrored(const std::vector<ProfilePoint>& half) {
  std::vector<ProfilePoint> whole;
  if (half.empty()) return whole;
  whole.reserve(2 * half.size() - 1);
  for (auto point = half.rbegin(); point != half.rend() - 1; ++point) {
    whole.push_back({-point->radius, point->depth});
  }
  whole.insert(whole.end(), half.begin(), half.end());
  return whole;
}

}  // namespace velmora::part
