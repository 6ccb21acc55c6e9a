#pragma once

// Double arithmetic with the calculator's result test: an operation whose result is not a finite
// number (0/0, a non-zero number divided by zero, an overflow, the square root of a negative
// number) throws CalcError, so no field and no form-level value ever holds an infinity or a NaN.
// Underflow to zero or a subnormal and inexact results are no error. Operands are always finite,
// so a non-finite result is exactly one of the IEEE invalid, division-by-zero or overflow cases.
// Each function is one IEEE operation; a formula is written as a nest of them in its own order.

#include <cmath>

#include "calc_error.h"

namespace velmora::checked {

inline double Tested(double result) {
  if (!std::isfinite(result)) throw CalcError();
  return result;
}

inline double Add(double a, double b) {
  return Tested(a + b);
}
inline double Sub(double a, double b) {
  return Tested(a - b);
}
inline double Mul(double a, double b) {
  return Tested(a * b);
}
inline double Div(double a, double b) {
  return Tested(a / b);
}
// x^2 as one correctly rounded multiplication; 0^2 is 0.
inline double Square(double x) {
  return Tested(x * x);
}
inline double Sqrt(double x) {
  return Tested(std::sqrt(x));
}
inline double Sin(double radians) {
  return Tested(std::sin(radians));
}
inline double Tan(double radians) {
  return Tested(std::tan(radians));
}
inline double Atan(double x) {
  return Tested(std::atan(x));
}

}  // namespace velmora::checked
