#include "curve_sampling.h"

#include <cmath>

#include "calc_error.h"

namespace velmora {

double ChordStep(double tolerance, double bendRadius) {
  return std::sqrt(8.0 * tolerance * bendRadius);
}

std::size_t EvenSteps(double span, double maxStep) {
  const double steps = span > 0.0 ? std::ceil(span / maxStep) : 0.0;
  if (!std::isfinite(steps)) throw CalcError();
  if (steps > static_cast<double>(kMaxCurveSteps)) throw TooManyPoints();
  return static_cast<std::size_t>(steps);
}

}  // namespace velmora
