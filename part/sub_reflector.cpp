#include "sub_reflector.h"

#include "calc_error.h"
#include "main_reflector.h"

namespace velmora::part {

double RimRadius(const Design& design) {
  if (!(design.subDiameter > 0.0)) throw CalcError();
  return design.subDiameter / 2.0;
}

std::vector<ProfilePoint> HalfSection(const Design& design, double tolerance) {
  return SampleProfile(design.hyperbola, 0.0, RimRadius(design), tolerance);
}

std::vector<ProfilePoint> WholeSection(const Design& design) {
  return Mirrored(HalfSection(design));
}

}  // namespace velmora::part
