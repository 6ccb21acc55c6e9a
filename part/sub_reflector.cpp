#include "sub_reflector.h"

#include "calc_error.h"

namespace velmora::part {

double RimRadius(const Design& design) {
  if (!(design.subDiameter > 0.0)) throw CalcError();
  return design.subDiameter / 2.0;
}

std::vector<ProfilePoint> HalfSection(const Design& design) {
  return SampleProfile(design.hyperbola, 0.0, RimRadius(design), kDrawingTolerance);
}

std::vector<ProfilePoint> WholeSection(const Design& design) {
  const std::vector<ProfilePoint> half = HalfSection(design);
  std::vector<ProfilePoint> whole;
  whole.reserve(2 * half.size() - 1);
  for (auto point = half.rbegin(); point != half.rend() - 1; ++point) {
    whole.push_back({-point->radius, point->depth});
  }
  whole.insert(whole.end(), half.begin(), half.end());
  return whole;
}

}  // namespace velmora::part
