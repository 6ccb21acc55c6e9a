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
  // The largest step that keeps every chord within the tolerance (see the header), in this order
  // of operations so that the points, and the files made of them, stay as they are.
  const double maxStep = std::sqrt(8.0 * tolerance * std::abs(h.b2) / std::abs(h.a));
  const std::size_t steps = EvenSteps(std::abs(toRadius - fromRadius), maxStep);
  return SampleEvenly(fromRadius, toRadius, steps,
                      [&h](double radius) { return ProfileDepth(h, radius); });
}

}  // namespace velmora
