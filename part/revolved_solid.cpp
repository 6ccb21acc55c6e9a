#include "revolved_solid.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <stdexcept>

namespace velmora::part {

namespace {

struct Direction {
  double cos = 1.0;
  double sin = 0.0;
};

// The angles of one turn, each once, so every ring puts its vertices on the same meridians.
std::vector<Direction> Meridians(int count) {
  std::vector<Direction> meridians(static_cast<std::size_t>(count));
  for (std::size_t j = 0; j < meridians.size(); ++j) {
    const double angle = (2.0 * std::numbers::pi) * (static_cast<double>(j) / count);
    meridians[j] = {std::cos(angle), std::sin(angle)};
  }
  return meridians;
}

class MeshBuilder {
 public:
  explicit MeshBuilder(int facetsPerTurn)
      : meridians_(Meridians(facetsPerTurn)), perRing_(meridians_.size()) {}

  // A point on the axis; returns its index.
  std::uint32_t AxisPoint(double z) {
    mesh_.vertices.push_back({0.0F, 0.0F, static_cast<float>(z)});
    return Last();
  }

  // A ring of the given radius in the plane z; returns the index of its first vertex.
  std::uint32_t Ring(double radius, double z) {
    const auto first = static_cast<std::uint32_t>(mesh_.vertices.size());
    for (const Direction& m : meridians_) {
      mesh_.vertices.push_back({static_cast<float>(radius * m.cos),
                                static_cast<float>(radius * m.sin), static_cast<float>(z)});
    }
    return first;
  }

  // The disc between an axis point and a ring; `facingUp` when its outside looks along +z.
  void Fan(std::uint32_t centre, std::uint32_t ring, bool facingUp) {
    for (std::size_t j = 0; j < perRing_; ++j) {
      const std::uint32_t here = At(ring, j);
      const std::uint32_t next = At(ring, j + 1);
      mesh_.triangles.push_back(facingUp ? MeshTriangle{centre, here, next}
                                         : MeshTriangle{centre, next, here});
    }
  }

  // The band from ring `lower` to ring `upper` (larger radius or larger z), its outside facing
  // away from the axis or down.
  void Band(std::uint32_t lower, std::uint32_t upper) {
    for (std::size_t j = 0; j < perRing_; ++j) {
      mesh_.triangles.push_back({At(lower, j), At(lower, j + 1), At(upper, j + 1)});
      mesh_.triangles.push_back({At(lower, j), At(upper, j + 1), At(upper, j)});
    }
  }

  Mesh Take() { return std::move(mesh_); }

 private:
  [[nodiscard]] std::uint32_t Last() const {
    return static_cast<std::uint32_t>(mesh_.vertices.size() - 1);
  }
  // The ring's vertex on meridian j, the last meridian followed by the first again.
  [[nodiscard]] std::uint32_t At(std::uint32_t ring, std::size_t j) const {
    return ring + static_cast<std::uint32_t>(j % perRing_);
  }

  std::vector<Direction> meridians_;
  std::size_t perRing_;
  Mesh mesh_;
};

// Coinciding vertices in one triangle make a facet of no area, which slicers reject.
void RequireNoDegenerateTriangle(const Mesh& mesh) {
  for (const MeshTriangle& t : mesh.triangles) {
    const MeshVertex& p = mesh.vertices[t[0]];
    const MeshVertex& q = mesh.vertices[t[1]];
    const MeshVertex& r = mesh.vertices[t[2]];
    if (p == q || q == r || r == p) {
      throw std::invalid_argument("the part is too small or too thin for its facets");
    }
  }
}

void RequireBuildable(const std::vector<ProfilePoint>& profile, double thickness,
                      int facetsPerTurn) {
  if (!(std::isfinite(thickness) && thickness > 0.0)) {
    throw std::invalid_argument("the thickness must be a positive number of millimetres");
  }
  if (facetsPerTurn < kMinFacetsPerTurn || facetsPerTurn > kMaxFacetsPerTurn) {
    throw std::invalid_argument("the facets per turn must be from 3 to 3600");
  }
  if (profile.size() < 2 || profile.front().radius != 0.0) {
    throw std::invalid_argument("the profile must run from the vertex to the rim");
  }
  if (2 * static_cast<std::size_t>(facetsPerTurn) * profile.size() > kMaxTriangles) {
    throw std::invalid_argument("the part would have too many facets");
  }
}

}  // namespace

Mesh RevolvedSolid(const std::vector<ProfilePoint>& profile, double thickness, int facetsPerTurn) {
  RequireBuildable(profile, thickness, facetsPerTurn);
  MeshBuilder builder(facetsPerTurn);
  const ProfilePoint rim = profile.back();
  const double backZ = rim.depth + thickness;

  // The reflecting surface: a fan round the vertex, then one band per step in radius.
  const std::uint32_t vertex = builder.AxisPoint(profile.front().depth);
  std::uint32_t ring = builder.Ring(profile[1].radius, profile[1].depth);
  builder.Fan(vertex, ring, false);
  for (std::size_t i = 2; i < profile.size(); ++i) {
    const std::uint32_t outer = builder.Ring(profile[i].radius, profile[i].depth);
    builder.Band(ring, outer);
    ring = outer;
  }
  // The cylindrical rim from the rim plane to the back, and the back itself.
  const std::uint32_t backRing = builder.Ring(rim.radius, backZ);
  builder.Band(ring, backRing);
  builder.Fan(builder.AxisPoint(backZ), backRing, true);

  Mesh mesh = builder.Take();
  RequireNoDegenerateTriangle(mesh);
  return mesh;
}

}  // namespace velmora::part
