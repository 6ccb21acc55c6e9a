#pragma once

// The sub-reflector as a closed solid for a printer or a CNC program: the profile revolved about
// the axis, a cylindrical rim, and a flat back. Vertices are single-precision, as STL stores them,
// and each is made once and shared by index, so neighbouring facets meet exactly.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "profile_function.h"

namespace velmora::part {

using MeshVertex = std::array<float, 3>;  // x, y, z in mm; z along the axis, into the dish
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

// `profile` runs from the vertex (radius 0) out to the rim, radii increasing. The reflecting
// surface is z = depth, the back the plane `thickness` behind the rim plane. Each ring has
// `facetsPerTurn` vertices; the solid has 2 x facetsPerTurn x profile.size() triangles.
// Throws std::invalid_argument for a thickness that is not a positive finite number, a facet count
// outside the limits above, a solid of more than kMaxTriangles triangles, a profile of fewer than
// two points or not starting at radius 0, and for a mesh whose single-precision vertices would
// coincide (a part too small or too thin for them), which would leave degenerate facets.
Mesh RevolvedSolid(const std::vector<ProfilePoint>& profile, double thickness, int facetsPerTurn);

}  // namespace velmora::part
