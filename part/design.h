#pragma once

// The design that the window shows after a completed calculation, as numbers read from the
// fields' own texts (so a sheet or a part file says exactly what the window says), and the
// figures a designer derives from it.

#include <optional>
#include <string>

#include "field_set.h"
#include "profile_function.h"

namespace velmora::part {

struct Design {
  double mainDiameter = 0.0;      // D, Text1
  double mainFocalRatio = 0.0;    // F/D, Text2
  double subDiameter = 0.0;       // d, Text3
  double feedFocalRatio = 0.0;    // the feed's F/D, Text4
  double focalLength = 0.0;       // F, Text5
  double apertureAngle = 0.0;     // 2Θ of the main reflector, degrees, Text6
  double radiationAngle = 0.0;    // 2Θ' of the feed, degrees, Text7
  double focusToRim = 0.0;        // QF, Text8
  double feedToRim = 0.0;         // F'Q, Text9
  double halfFocalSpan = 0.0;     // c = OF, Text10
  double feedToRimPoint = 0.0;    // F'P, Text11
  double focusToRimPoint = 0.0;   // FP, Text12
  Hyperbola hyperbola;            // a = OA, Text13; b², Text14
  double mainDepth = 0.0;         // Text16
  double feedToSubVertex = 0.0;   // B = F'A, Text20
  double mainVertexToFeed = 0.0;  // A, Text21
};

// The design the fields hold, or nothing when a field of it is not a number (after Clear, or
// after a calculation that stopped at a failing step).
std::optional<Design> ReadDesign(const FieldSet& fields);

struct DerivedFigures {
  double eccentricity = 0.0;          // e = c / a
  double magnification = 0.0;         // M = (e + 1) / (e - 1)
  double equivalentFocalRatio = 0.0;  // M x F/D
  double blockageRatio = 0.0;         // d / D
};

// Throws CalcError where a figure is not a finite number (e of 1, a of 0).
DerivedFigures Derive(const Design& design);

// A file name for the design without its extension, from the input texts as the user typed them:
// "velmora-D370-d70". Characters that a file name cannot hold on Windows or Debian become "_".
std::string DesignFileStem(const FieldSet& fields);

}  // namespace velmora::part
