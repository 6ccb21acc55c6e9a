#pragma once

// A closed solid of revolution for a printer or a CNC program: a meridian revolved about the axis.
// Vertices are single-precision, as STL stores them, and each is made once and shared by index, so
// neighbouring facets meet exactly.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::part {

using MeshVertex = std::array<float, 3>;  // x, y, z in mm; z along the axis
// Three vertex indices, counter-clockwise seen from outside the solid.
using MeshTriangle = std::array<std::uint32_t, 3>;

struct Mesh {
  std::vector<MeshVertex> vertices;
  std::vector<MeshTriangle> triangles;
};

// A turn in at least three facets (a prism), and at most in tenths of a degree: beyond that no
// printer or mill sees a difference, and the file only grows.
inline constexpr int kMinFacetsPerTurn = 3;
inline constexpr int kMaxFacetsPerTurn = 3600;
// At 50 bytes a facet in STL, half a gigabyte: the most a part file may be.
inline constexpr std::size_t kMaxTriangles = 10'000'000;

// A point of a meridian: its distance from the axis and its place along it, in mm.
struct MeridianPoint {
  double radius = 0.0;
  double z = 0.0;
};

// `meridian` runs from a point on the axis (radius 0) through points off it to a point on the axis
// again, the solid on its left in the (radius, z) plane: counter-clockwise round the section, the
// axis closing it. Each off-axis point becomes a ring of `facetsPerTurn` vertices, each axis point
// one vertex; a fan joins an axis point to its ring, a band two rings. The vertices and triangles
// follow the meridian's order. Throws std::invalid_argument for a facet count outside the limits
// above, a meridian that is not such a section (fewer than three points, ends off the axis, an
// inner point on it, a point not finite, the solid on its right), a solid of more than
// kMaxTriangles triangles, and for a mesh whose single-precision vertices would coincide (a part
// too small or too thin for them), which would leave degenerate facets.
Mesh RevolvedMeridian(const std::vector<MeridianPoint>& meridian, int facetsPerTurn);

}  // namespace velmora::part
