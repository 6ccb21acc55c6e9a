#include "binary_stl.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace velmora::part {

namespace {

void AppendWord(std::string& out, std::uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((word >> shift) & 0xFFU);
}

void AppendFloat(std::string& out, float value) {
  AppendWord(out, std::bit_cast<std::uint32_t>(value));
}

void AppendPoint(std::string& out, const MeshVertex& point) {
  for (const float coordinate : point) AppendFloat(out, coordinate);
}

// The unit normal of p, q, r by the right-hand rule, from the stored single-precision corners so
// that a reader recomputing it finds the same direction.
MeshVertex UnitNormal(const MeshVertex& p, const MeshVertex& q, const MeshVertex& r) {
  const double ux = double{q[0]} - p[0];
  const double uy = double{q[1]} - p[1];
  const double uz = double{q[2]} - p[2];
  const double vx = double{r[0]} - p[0];
  const double vy = double{r[1]} - p[1];
  const double vz = double{r[2]} - p[2];
  const double nx = (uy * vz) - (uz * vy);
  const double ny = (uz * vx) - (ux * vz);
  const double nz = (ux * vy) - (uy * vx);
  const double length = std::sqrt((nx * nx) + (ny * ny) + (nz * nz));
  return {static_cast<float>(nx / length), static_cast<float>(ny / length),
          static_cast<float>(nz / length)};
}

}  // namespace

std::string BinaryStl(const Mesh& mesh, std::string_view title) {
  std::string out;
  out.reserve(kStlHeaderBytes + 4 + (mesh.triangles.size() * kStlFacetBytes));
  out.append(title.substr(0, kStlHeaderBytes));
  out.resize(kStlHeaderBytes, '\0');
  AppendWord(out, static_cast<std::uint32_t>(mesh.triangles.size()));
  for (const MeshTriangle& t : mesh.triangles) {
    const MeshVertex& p = mesh.vertices[t[0]];
    const MeshVertex& q = mesh.vertices[t[1]];
    const MeshVertex& r = mesh.vertices[t[2]];
    AppendPoint(out, UnitNormal(p, q, r));
    AppendPoint(out, p);
    AppendPoint(out, q);
    AppendPoint(out, r);
    out.append(2, '\0');  // attribute byte count, unused
  }
  return out;
}

}  // namespace velmora::part
