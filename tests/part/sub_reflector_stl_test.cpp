// The printable solid: closed and consistently wound (every edge once in each direction), its
// volume, its facet count and file layout, and the options and designs it refuses.

#include "sub_reflector_stl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <numbers>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "binary_stl.h"
#include "calc_error.h"
#include "main_reflector_stl.h"
#include "revolved_solid.h"
#include "sub_reflector.h"

namespace velmora::part {
namespace {

Design DefaultDesign(double subDiameter = 70.0) {
  Design design;
  design.mainDiameter = 370.0;
  design.focalLength = 159.951;
  design.subDiameter = subDiameter;
  design.hyperbola = {.a = 7.01356415, .b2 = 906.793409};
  return design;
}

// Each directed edge of a closed, consistently wound surface appears once, and its reverse once.
int UnpairedEdges(const Mesh& mesh) {
  const auto key = [](std::uint64_t from, std::uint64_t to) { return (from << 32U) | to; };
  std::unordered_map<std::uint64_t, int> edges;
  for (const MeshTriangle& t : mesh.triangles) {
    for (int k = 0; k < 3; ++k) ++edges[key(t[k], t[(k + 1) % 3])];
  }
  int unpaired = 0;
  for (const auto& [edge, count] : edges) {
    const auto reverse = edges.find(key(edge & 0xFFFFFFFFU, edge >> 32U));
    if (count != 1 || reverse == edges.end() || reverse->second != 1) ++unpaired;
  }
  return unpaired;
}

// The divergence theorem over the triangles: positive when their normals point outwards.
double SignedVolume(const Mesh& mesh) {
  double sum = 0.0;
  for (const MeshTriangle& t : mesh.triangles) {
    const MeshVertex& p = mesh.vertices[t[0]];
    const MeshVertex& q = mesh.vertices[t[1]];
    const MeshVertex& r = mesh.vertices[t[2]];
    sum += (double{p[0]} * ((double{q[1]} * r[2]) - (double{q[2]} * r[1]))) -
           (double{p[1]} * ((double{q[0]} * r[2]) - (double{q[2]} * r[0]))) +
           (double{p[2]} * ((double{q[0]} * r[1]) - (double{q[1]} * r[0])));
  }
  return sum / 6.0;
}

// A cylinder to the back, less the space between the surface and the vertex plane, integrated by
// hand: the integral of 2 pi r (a sqrt(1 + r^2/b^2) - a) from 0 to R.
double ExactVolume(const Design& design, double thickness) {
  const double a = design.hyperbola.a;
  const double b2 = design.hyperbola.b2;
  const double rim = design.subDiameter / 2.0;
  const double depth = std::sqrt(a * a * (1.0 + (rim * rim / b2))) - a;
  const double under =
      (2.0 / 3.0) * std::numbers::pi * a * b2 * (std::pow(1.0 + (rim * rim / b2), 1.5) - 1.0) -
      std::numbers::pi * a * rim * rim;
  return std::numbers::pi * rim * rim * (depth + thickness) - under;
}

TEST(sub_reflector_solid, closed_outward_and_of_the_right_volume) {
  struct Case {
    double subDiameter;
    double thickness;
    int facets;
  };
  const Case cases[] = {{70.0, 3.0, 360}, {200.0, 10.0, 64}, {20.0, 0.5, 3}, {20.0, 0.5, 3600}};
  for (const Case& c : cases) {
    const Design design = DefaultDesign(c.subDiameter);
    const auto profile = HalfSection(design);
    const Mesh mesh = RevolvedSolid(profile, c.thickness, c.facets);
    SCOPED_TRACE(testing::Message() << "d " << c.subDiameter << ", " << c.facets << " facets");
    EXPECT_EQ(mesh.triangles.size(), std::size_t{2} * c.facets * profile.size());
    EXPECT_EQ(UnpairedEdges(mesh), 0);
    // An inscribed polygon of n sides has sin(2 pi / n) / (2 pi / n) of the circle's area.
    const double turn = 2.0 * std::numbers::pi / c.facets;
    const double inscribed = std::sin(turn) / turn;
    EXPECT_NEAR(SignedVolume(mesh) / (ExactVolume(design, c.thickness) * inscribed), 1.0, 1e-3);
  }
}

TEST(revolved_meridian, refuses_what_is_no_section) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const std::vector<MeridianPoint> refused[] = {
      {{0, 0}, {0, 1}},                          // no point off the axis
      {{1, 0}, {1, 1}, {0, 1}},                  // starts off the axis
      {{0, 0}, {1, 0}, {1, 1}},                  // ends off it
      {{0, 0}, {1, 0}, {0, 1}, {1, 2}, {0, 2}},  // touches it between
      {{0, 0}, {1, 0}, {1, kNaN}, {0, 1}},
      {{0, 1}, {1, 1}, {1, 0}, {0, 0}},  // clockwise: the solid on its right
  };
  for (const auto& meridian : refused) {
    EXPECT_THROW(RevolvedMeridian(meridian, 12), std::invalid_argument) << meridian.size();
  }
  EXPECT_EQ(UnpairedEdges(RevolvedMeridian({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, 12)), 0);
}

TEST(sub_reflector_stl, file_layout) {
  const Design design = DefaultDesign();
  const std::string stl = SubReflectorStl(design, {.thickness = 3.0, .facetsPerTurn = 360});
  std::uint32_t count = 0;
  ASSERT_GT(stl.size(), kStlHeaderBytes + 4);
  std::memcpy(&count, stl.data() + kStlHeaderBytes, 4);  // the test machine is little-endian
  EXPECT_EQ(count, std::size_t{2} * 360 * HalfSection(design).size());
  EXPECT_EQ(stl.size(), kStlHeaderBytes + 4 + (count * kStlFacetBytes));
  const std::string header = stl.substr(0, kStlHeaderBytes);
  EXPECT_TRUE(header.starts_with("velmora sub-reflector")) << header;
  EXPECT_NE(header.find(" d 70 "), std::string::npos) << header;
}

TEST(sub_reflector_stl, refusals) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  const SolidOptions refused[] = {
      {.thickness = 0.0},   {.thickness = -1.0},     {.thickness = kNaN},  {.thickness = kInfinity},
      {.facetsPerTurn = 2}, {.facetsPerTurn = 3601}, {.facetsPerTurn = 0}, {.facetsPerTurn = -360},
      {.thickness = 1e-9},  // the back would fall on the rim plane in single precision
  };
  for (const SolidOptions& options : refused) {
    EXPECT_THROW(SubReflectorStl(DefaultDesign(), options), std::invalid_argument)
        << options.thickness << " mm, " << options.facetsPerTurn << " facets";
    EXPECT_THROW(MainReflectorStl(DefaultDesign(), options), std::invalid_argument)
        << "main reflector: " << options.thickness << " mm, " << options.facetsPerTurn << " facets";
  }
  for (const int facets : {kMinFacetsPerTurn, kMaxFacetsPerTurn}) {
    EXPECT_NO_THROW(SubReflectorStl(DefaultDesign(20.0), {.facetsPerTurn = facets})) << facets;
  }
  // About ten thousand rings of 3600 facets: far beyond any file worth writing.
  EXPECT_THROW(SubReflectorStl(DefaultDesign(20000.0), {.facetsPerTurn = 3600}),
               std::invalid_argument);
  // A 20 m dish in 1,700 rings of 3600 facets, twelve million triangles.
  Design dish = DefaultDesign();
  dish.mainDiameter = 20000.0;
  dish.focalLength = 8646.0;
  EXPECT_THROW(MainReflectorStl(dish, {.thickness = 2.0, .facetsPerTurn = 3600}),
               std::invalid_argument);
  EXPECT_NO_THROW(MainReflectorStl(dish, {.thickness = 2.0, .facetsPerTurn = 64}));
  EXPECT_THROW(SubReflectorStl(DefaultDesign(0.0)), CalcError);
  Design flat = DefaultDesign();
  flat.hyperbola.b2 = 0.0;
  EXPECT_THROW(SubReflectorStl(flat), CalcError);
}

}  // namespace
}  // namespace velmora::part
