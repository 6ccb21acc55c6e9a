#include "binary_stl.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace velmora::part {

namespace {

// Writers into a buffer already sized for the whole file: a dish's shell runs to millions of
// facets, and a byte at a time through a growing string would cost more than the mesh.
void PutWord(char*& out, std::uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<char>((word >> shift) & 0xFFU);
}

void PutPoint(char*& out, const MeshVertex& point) {
  for (const float coordinate : point) PutWord(out, std::bit_cast<std::uint32_t>(coordinate));
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
  std::string file(kStlHeaderBytes + 4 + (mesh.triangles.size() * kStlFacetBytes), '\0');
  title.copy(file.data(), kStlHeaderBytes);
  char* out = file.data() + kStlHeaderBytes;
  PutWord(out, static_cast<std::uint32_t>(mesh.triangles.size()));
  for (const MeshTriangle& t : mesh.triangles) {
    const MeshVertex& p = mesh.vertices[t[0]];
    const MeshVertex& q = mesh.vertices[t[1]];
    const MeshVertex& r = mesh.vertices[t[2]];
    PutPoint(out, UnitNormal(p, q, r));
    PutPoint(out, p);
    PutPoint(out, q);
    PutPoint(out, r);
    out += 2;  // attribute byte count, unused, left zero
  }
  return file;
}

}  // namespace velmora::part
