#include "design.h"

#include <string_view>

#include "calc_error.h"
#include "checked_arithmetic.h"

namespace velmora::part {

std::optional<Design> ReadDesign(const FieldSet& fields) {
  using enum FieldId;
  try {
    return Design{
        .mainDiameter = fields.Number(Text1),
        .mainFocalRatio = fields.Number(Text2),
        .subDiameter = fields.Number(Text3),
        .feedFocalRatio = fields.Number(Text4),
        .focalLength = fields.Number(Text5),
        .apertureAngle = fields.Number(Text6),
        .radiationAngle = fields.Number(Text7),
        .focusToRim = fields.Number(Text8),
        .feedToRim = fields.Number(Text9),
        .halfFocalSpan = fields.Number(Text10),
        .feedToRimPoint = fields.Number(Text11),
        .focusToRimPoint = fields.Number(Text12),
        .hyperbola = {.a = fields.Number(Text13), .b2 = fields.Number(Text14)},
        .mainDepth = fields.Number(Text16),
        .feedToSubVertex = fields.Number(Text20),
        .mainVertexToFeed = fields.Number(Text21),
    };
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

DerivedFigures Derive(const Design& design) {
  using checked::Add;
  using checked::Div;
  using checked::Mul;
  using checked::Sub;
  const double e = Div(design.halfFocalSpan, design.hyperbola.a);
  const double m = Div(Add(e, 1.0), Sub(e, 1.0));
  return {
      .eccentricity = e,
      .magnification = m,
      .equivalentFocalRatio = Mul(m, design.mainFocalRatio),
      .blockageRatio = Div(design.subDiameter, design.mainDiameter),
  };
}

namespace {

// Keeps a typed number readable in a file name: letters, digits, point, minus and plus stay.
void AppendSafe(std::string& name, std::string_view text) {
  for (const char c : text) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                       c == '.' || c == '-' || c == '+';
    name.push_back(plain ? c : '_');
  }
}

}  // namespace

std::string DesignFileStem(const FieldSet& fields) {
  std::string name = "velmora-D";
  AppendSafe(name, fields.Text(FieldId::Text1));
  name += "-d";
  AppendSafe(name, fields.Text(FieldId::Text3));
  return name;
}

}  // namespace velmora::part
