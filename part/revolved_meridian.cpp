#include "revolved_meridian.h"

#include <cmath>
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
  MeshBuilder(int facetsPerTurn, std::size_t rings)
      : meridians_(Meridians(facetsPerTurn)), perRing_(meridians_.size()) {
    mesh_.vertices.reserve(2 + (rings * perRing_));
    mesh_.triangles.reserve(2 * rings * perRing_);
  }

  // A point on the axis; returns its index.
  std::uint32_t AxisPoint(double z) {
    mesh_.vertices.push_back({0.0F, 0.0F, static_cast<float>(z)});
    return static_cast<std::uint32_t>(mesh_.vertices.size() - 1);
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

  // The disc between an axis point and a ring, where the meridian leaves the axis (out) or
  // returns to it (in); its outside on the meridian's right, as a band's.
  void FanOut(std::uint32_t centre, std::uint32_t ring) {
    for (std::size_t j = 0; j < perRing_; ++j) {
      mesh_.triangles.push_back({centre, At(ring, j + 1), At(ring, j)});
    }
  }
  void FanIn(std::uint32_t ring, std::uint32_t centre) {
    for (std::size_t j = 0; j < perRing_; ++j) {
      mesh_.triangles.push_back({centre, At(ring, j), At(ring, j + 1)});
    }
  }

  // The band from ring `from` to ring `to`: its normal, the turn's direction crossed with the
  // meridian's, points to the meridian's right, away from the solid.
  void Band(std::uint32_t from, std::uint32_t to) {
    for (std::size_t j = 0; j < perRing_; ++j) {
      mesh_.triangles.push_back({At(from, j), At(from, j + 1), At(to, j + 1)});
      mesh_.triangles.push_back({At(from, j), At(to, j + 1), At(to, j)});
    }
  }

  Mesh Take() { return std::move(mesh_); }

 private:
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

// Twice the section's area by the shoelace formula, the axis closing it: positive when the
// meridian runs counter-clockwise, the solid on its left.
double TwiceSignedArea(const std::vector<MeridianPoint>& meridian) {
  double sum = 0.0;
  for (std::size_t i = 0; i + 1 < meridian.size(); ++i) {
    const MeridianPoint& p = meridian[i];
    const MeridianPoint& q = meridian[i + 1];
    sum += (p.radius * q.z) - (q.radius * p.z);
  }
  return sum;  // the closing segment lies on the axis and adds nothing
}

void RequireSection(const std::vector<MeridianPoint>& meridian, int facetsPerTurn) {
  if (facetsPerTurn < kMinFacetsPerTurn || facetsPerTurn > kMaxFacetsPerTurn) {
    throw std::invalid_argument("the facets per turn must be from 3 to 3600");
  }
  if (meridian.size() < 3 || meridian.front().radius != 0.0 || meridian.back().radius != 0.0) {
    throw std::invalid_argument("the section must run from the axis to the axis");
  }
  for (std::size_t i = 0; i < meridian.size(); ++i) {
    const MeridianPoint& p = meridian[i];
    const bool inner = i != 0 && i + 1 != meridian.size();
    if (!std::isfinite(p.radius) || !std::isfinite(p.z) || (inner && !(p.radius > 0.0))) {
      throw std::invalid_argument("the section must lie off the axis between its ends");
    }
  }
  if (!(TwiceSignedArea(meridian) > 0.0)) {
    throw std::invalid_argument("the section must run counter-clockwise round the solid");
  }
  // A fan at each end, a band of two triangles per facet between each pair of rings.
  const std::size_t bands = meridian.size() - 3;
  if (static_cast<std::size_t>(facetsPerTurn) * (2 + (2 * bands)) > kMaxTriangles) {
    throw std::invalid_argument("the part would have too many facets");
  }
}

}  // namespace

Mesh RevolvedMeridian(const std::vector<MeridianPoint>& meridian, int facetsPerTurn) {
  RequireSection(meridian, facetsPerTurn);
  MeshBuilder builder(facetsPerTurn, meridian.size() - 2);
  std::uint32_t last = builder.AxisPoint(meridian.front().z);
  for (std::size_t i = 1; i + 1 < meridian.size(); ++i) {
    const std::uint32_t ring = builder.Ring(meridian[i].radius, meridian[i].z);
    if (i == 1) {
      builder.FanOut(last, ring);
    } else {
      builder.Band(last, ring);
    }
    last = ring;
  }
  builder.FanIn(last, builder.AxisPoint(meridian.back().z));
  Mesh mesh = builder.Take();
  RequireNoDegenerateTriangle(mesh);
  return mesh;
}

}  // namespace velmora::part
