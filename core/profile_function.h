#pragma once

// The sub-reflector's surface as one function, for the profile table and for every drawing and
// part file made from it: the hyperbola with semi-axis a and b^2 as Text13 and Text14 hold them,
// in the table's own bracketed order, so a template and the table agree to the last bit.

#include <vector>

#include "curve_sampling.h"

namespace velmora {

// a and b^2, the numbers that the texts of Text13 and Text14 denote.
struct Hyperbola {
  double a = 0.0;
  double b2 = 0.0;
};

// The ordinate at radius Y, sqrt((((Y x Y) / b^2) + 1) x (a x a)). Throws CalcError where an
// operation fails (b^2 of 0, a negative root, an overflow).
double ProfileOrdinate(const Hyperbola& h, double radius);

// The depth X at radius Y below the plane of the vertex: the ordinate at Y less the ordinate at 0.
double ProfileDepth(const Hyperbola& h, double radius);

// The curve from one radius to another (either order) as points of ProfileDepth, evenly spaced in
// radius, close enough that no chord strays more than `tolerance` (mm) from the curve.
//
// The rule: between two samples Δy apart, a chord departs from a curve x(y) by at most
// Δy² / 8 × max|x''|. The hyperbola bends most at its vertex, where x'' = |a| / b², and less
// everywhere else, so Δy = sqrt(8 × tolerance × b² / |a|) is enough; the range is cut into the
// fewest equal steps no longer than that (EvenSteps). Throws CalcError as ProfileDepth does, and
// for a tolerance that is not positive; TooManyPoints for a curve beyond the rule's cap.
std::vector<ProfilePoint> SampleProfile(const Hyperbola& h, double fromRadius, double toRadius,
                                        double tolerance);

// The tolerance of every drawing and part file: a micrometre, far below what a template or a
// machined part can hold.
inline constexpr double kDrawingTolerance = 0.001;

}  // namespace velmora
