#include "revolved_solid.h"

#include <cmath>
#include <stdexcept>

namespace velmora::part {

namespace {

void RequireBuildable(const std::vector<ProfilePoint>& profile, double thickness,
                      int facetsPerTurn) {
  if (!(std::isfinite(thickness) && thickness > 0.0)) {
    throw std::invalid_argument("the thickness must be a positive number of millimetres");
  }
  if (facetsPerTurn < kMinFacetsPerTurn || facetsPerTurn > kMaxFacetsPerTurn) {
    throw std::invalid_argument("the facets per turn must be from 3 to 3600");
  }
  if (profile.size() < 2 || profile.front().radius != 0.0) {
    throw std::invalid_argument("the profile must run from the vertex to the rim");
  }
}

}  // namespace

Mesh RevolvedSolid(const std::vector<ProfilePoint>& profile, double thickness, int facetsPerTurn) {
  RequireBuildable(profile, thickness, facetsPerTurn);
  const ProfilePoint rim = profile.back();
  const double backZ = rim.depth + thickness;
  // The reflecting surface from the vertex out, down the cylindrical rim to the back plane, and
  // back along it to the axis: the solid on the left throughout.
  std::vector<MeridianPoint> meridian;
  meridian.reserve(profile.size() + 2);
  for (const ProfilePoint& p : profile) meridian.push_back({p.radius, p.depth});
  meridian.push_back({rim.radius, backZ});
  meridian.push_back({0.0, backZ});
  return RevolvedMeridian(meridian, facetsPerTurn);
}

}  // namespace velmora::part
