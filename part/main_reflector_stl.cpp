#include "main_reflector_stl.h"

#include <cmath>
#include <stdexcept>
#include <vector>

#include "binary_stl.h"
#include "decimal_text.h"
#include "main_reflector.h"
#include "revolved_meridian.h"

namespace velmora::part {

namespace {

// The section of the shell, counter-clockwise round it: the back from its vertex out to its rim,
// the rim band, and the reflecting surface from its rim in to its vertex. A point of the back lies
// `thickness` from its point of the surface along the normal, whose slope there is r / 2F.
std::vector<MeridianPoint> ShellMeridian(const Design& design, double thickness) {
  if (!(std::isfinite(thickness) && thickness > 0.0)) {
    throw std::invalid_argument("the thickness must be a positive number of millimetres");
  }
  const std::vector<ProfilePoint> surface = MainHalfSection(design);
  const double twiceFocal = 2.0 * design.focalLength;
  std::vector<MeridianPoint> meridian;
  meridian.reserve(2 * surface.size());
  for (const ProfilePoint& p : surface) {
    const double slope = p.radius / twiceFocal;
    const double s = std::sqrt(1.0 + (slope * slope));
    meridian.push_back({p.radius + (thickness * slope / s), p.depth - (thickness / s)});
  }
  // Then the surface itself, from the rim back to the vertex.
  for (std::size_t k = surface.size(); k-- > 0;) {
    meridian.push_back({surface[k].radius, surface[k].depth});
  }
  return meridian;
}

// Names the program and the design, so a file found later says what it is.
std::string Title(const Design& design, const SolidOptions& options) {
  std::string title = "velmora main reflector, mm: D ";
  AppendDecimal(title, design.mainDiameter);
  title += " F ";
  AppendDecimal(title, design.focalLength);
  title += " back ";
  AppendDecimal(title, options.thickness);
  return title;
}

}  // namespace

std::string MainReflectorStl(const Design& design, const SolidOptions& options) {
  const Mesh mesh =
      RevolvedMeridian(ShellMeridian(design, options.thickness), options.facetsPerTurn);
  return BinaryStl(mesh, Title(design, options));
}

}  // namespace velmora::part
