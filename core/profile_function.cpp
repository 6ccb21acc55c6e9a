#include "profile_function.h"

#include <cmath>
#include <cstddef>

#include "calc_error.h"
#include "checked_arithmetic.h"

namespace velmora {

using checked::Add;
using checked::Div;
using checked::Mul;
using checked::Sqrt;
using checked::Square;
using checked::Sub;

double ProfileOrdinate(const Hyperbola& h, double radius) {
  const double a2 = Mul(h.a, h.a);
  return Sqrt(Mul(Add(Div(Square(radius), h.b2), 1.0), a2));
}

double ProfileDepth(const Hyperbola& h, double radius) {
  return Sub(ProfileOrdinate(h, radius), ProfileOrdinate(h, 0.0));
}

std::vector<ProfilePoint> SampleProfile(const Hyperbola& h, double fromRadius, double toRadius,
                                        double tolerance) {
  if (!(tolerance > 0.0)) throw CalcError();
  const double span = std::abs(toRadius - fromRadius);
  // The largest step that keeps every chord within the tolerance (see the header).
  const double maxStep = std::sqrt(8.0 * tolerance * std::abs(h.b2) / std::abs(h.a));
  double steps = span > 0.0 ? std::ceil(span / maxStep) : 0.0;
  if (!std::isfinite(steps) || steps > 1e7) throw CalcError();
  const auto count = static_cast<std::size_t>(steps);
  std::vector<ProfilePoint> points;
  points.reserve(count + 1);
  for (std::size_t i = 0; i <= count; ++i) {
    // The last sample lands on the end radius itself, not on a sum of rounded steps.
    const double radius =
        i == count ? toRadius
                   : fromRadius + (toRadius - fromRadius) * (static_cast<double>(i) / steps);
    points.push_back({radius, ProfileDepth(h, radius)});
  }
  return points;
}

}  // namespace velmora
