#include "antenna.h"

#include "main_reflector.h"
#include "sub_reflector.h"

namespace velmora::part {

Antenna AntennaOf(const Design& design, double tolerance) {
  Antenna antenna;
  antenna.focus = design.focalLength;
  antenna.feed = design.mainVertexToFeed;
  antenna.subVertex = design.mainVertexToFeed + design.feedToSubVertex;
  antenna.mainHalf = MainHalfSection(design, tolerance);
  antenna.subHalf = HalfSection(design, tolerance);
  antenna.mainRim = antenna.OnMain(antenna.mainHalf.back());
  antenna.subRim = antenna.OnSub(antenna.subHalf.back());
  return antenna;
}

}  // namespace velmora::part
