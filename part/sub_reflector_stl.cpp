#include "sub_reflector_stl.h"

#include "binary_stl.h"
#include "decimal_text.h"
#include "revolved_solid.h"
#include "sub_reflector.h"

namespace velmora::part {

namespace {

// Names the program and the design, so a file found later says what it is.
std::string Title(const Design& design, const SolidOptions& options) {
  std::string title = "velmora sub-reflector, mm: D ";
  AppendDecimal(title, design.mainDiameter);
  title += " d ";
  AppendDecimal(title, design.subDiameter);
  title += " a ";
  AppendDecimal(title, design.hyperbola.a);
  title += " b^2 ";
  AppendDecimal(title, design.hyperbola.b2);
  title += " back ";
  AppendDecimal(title, options.thickness);
  return title;
}

}  // namespace

std::string SubReflectorStl(const Design& design, const SolidOptions& options) {
  const Mesh mesh = RevolvedSolid(HalfSection(design), options.thickness, options.facetsPerTurn);
  return BinaryStl(mesh, Title(design, options));
}

}  // namespace velmora::part
