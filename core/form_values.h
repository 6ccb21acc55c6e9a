#pragma once

// Numbers and texts that belong to the window's lifetime rather than to a field: the unrounded
// shadows of a few results, and the pieces of the profile table. Each holds nothing until first
// set and keeps its last value between calculations.

#include <optional>
#include <string>

namespace velmora {

struct FormValues {
  std::optional<double> FocalLength;     // F = D x F/D, unrounded
  std::optional<double> FocusToRim;      // QF before it became text
  std::optional<double> FeedToRim;       // F'Q before it became text
  std::optional<double> HalfFocalSpan;   // c before it became text
  std::optional<double> SemiAxisA;       // a before it became text
  std::optional<double> VertexOrdinate;  // the hyperbola's ordinate at radius 0
  std::optional<double> RowRadius;       // radius Y of the current profile row
  std::optional<double> RowDepth;        // depth X of the current profile row
  std::optional<std::string> RadiusText;
  std::optional<std::string> DepthText;
  std::optional<std::string> RadiusCell;
  std::optional<std::string> DepthCell;
  std::optional<std::string> ProfileText;  // the table built so far
};

}  // namespace velmora
