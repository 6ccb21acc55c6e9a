// The section drawing as groups: its frame and units, and every vertex written so that it reads
// back as exactly the profile's own double.

#include "section_dxf.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "assembly_dxf.h"
#include "calc_error.h"
#include "calculator.h"
#include "main_reflector_stl.h"
#include "sub_reflector.h"

namespace velmora::part {
namespace {

using Group = std::pair<std::string, std::string>;  // code (as written, padded), value

std::vector<Group> Groups(std::string_view dxf) {
  std::vector<std::string> lines;
  while (!dxf.empty()) {
    const std::size_t end = dxf.find("\r\n");
    lines.emplace_back(dxf.substr(0, end));
    dxf = end == std::string_view::npos ? std::string_view{} : dxf.substr(end + 2);
  }
  std::vector<Group> groups;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) groups.emplace_back(lines[i], lines[i + 1]);
  return groups;
}

double Number(const std::string& text) {
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
  return value;
}

// The vertices of the polyline on a layer, in order.
std::vector<ProfilePoint> Vertices(const std::vector<Group>& groups, std::string_view layer) {
  std::vector<ProfilePoint> points;
  for (std::size_t i = 0; i + 3 < groups.size(); ++i) {
    if (groups[i] == Group{"  0", "VERTEX"} && groups[i + 1] == Group{"  8", std::string(layer)}) {
      EXPECT_EQ(groups[i + 2].first, " 10");
      EXPECT_EQ(groups[i + 3].first, " 20");
      points.push_back({Number(groups[i + 2].second), Number(groups[i + 3].second)});
    }
  }
  return points;
}

Design DefaultDesign(double subDiameter = 70.0) {
  Design design;
  design.subDiameter = subDiameter;
  design.hyperbola = {.a = 7.01356415, .b2 = 906.793409};
  return design;
}

TEST(section_dxf, frame_and_units) {
  const std::string dxf = SectionDxf(DefaultDesign());
  ASSERT_TRUE(dxf.ends_with("\r\n"));
  const auto groups = Groups(dxf);
  ASSERT_GE(groups.size(), 3U);
  EXPECT_EQ(groups.front(), (Group{"  0", "SECTION"}));
  EXPECT_EQ(groups.back(), (Group{"  0", "EOF"}));
  const auto at = [&](const std::string& name) {
    for (std::size_t i = 0; i + 1 < groups.size(); ++i) {
      if (groups[i] == Group{"  9", name}) return groups[i + 1];
    }
    return Group{};
  };
  EXPECT_EQ(at("$ACADVER"), (Group{"  1", "AC1009"}));
  EXPECT_EQ(at("$INSUNITS"), (Group{" 70", "4"}));
  EXPECT_EQ(at("$MEASUREMENT"), (Group{" 70", "1"}));
}

TEST(section_dxf, vertices_read_back_as_the_profile_itself) {
  for (const double subDiameter : {70.0, 200.0, 0.3}) {
    const Design design = DefaultDesign(subDiameter);
    const auto groups = Groups(SectionDxf(design));
    const auto half = Vertices(groups, kHalfSectionLayer);
    const auto whole = Vertices(groups, kWholeSectionLayer);
    const auto expected = HalfSection(design);
    ASSERT_EQ(half.size(), expected.size()) << subDiameter;
    ASSERT_EQ(whole.size(), 2 * expected.size() - 1) << subDiameter;
    const std::size_t middle = expected.size() - 1;  // the vertex of the whole section
    for (std::size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(half[i].radius, expected[i].radius) << i;
      EXPECT_EQ(half[i].depth, expected[i].depth) << i;
      EXPECT_EQ(whole[middle + i].radius, expected[i].radius) << i;
      EXPECT_EQ(whole[middle - i].radius, -expected[i].radius) << i;
      EXPECT_EQ(whole[middle - i].depth, expected[i].depth) << i;
    }
  }
}

TEST(section_dxf, refuses_a_design_without_a_profile) {
  EXPECT_THROW(SectionDxf(DefaultDesign(0.0)), CalcError);
  EXPECT_THROW(SectionDxf(DefaultDesign(-70.0)), CalcError);
  Design flat = DefaultDesign();
  flat.hyperbola.b2 = 0.0;
  EXPECT_THROW(SectionDxf(flat), CalcError);
  Design noDish = DefaultDesign();
  noDish.focalLength = 159.951;
  EXPECT_THROW(MainSectionDxf(noDish), CalcError);  // D of 0
  noDish.mainDiameter = 370.0;
  noDish.focalLength = 0.0;
  EXPECT_THROW(MainSectionDxf(noDish), CalcError);
  EXPECT_THROW(AssemblyDxf(noDish), CalcError);
}

// A million-metre dish of F/D 0.01, which the calculation completes: its parabola would need some
// 1.25 million steps at a micrometre, beyond the sampling rule's cap, for every file made from it.
TEST(section_dxf, an_absurd_dish_is_beyond_the_sampling_cap) {
  Calculator calc;
  calc.Form_Load();
  calc.Fields().StoreUserText(FieldId::Text1, "1000000000");
  calc.Fields().StoreUserText(FieldId::Text2, "0.01");
  calc.Command1_Click();
  ASSERT_TRUE(calc.LastPressCompleted());
  const auto design = ReadDesign(calc.Fields());
  ASSERT_TRUE(design.has_value());
  EXPECT_NO_THROW(SectionDxf(*design));  // the sub-reflector stays drawable
  EXPECT_THROW(MainSectionDxf(*design), TooManyPoints);
  EXPECT_THROW(AssemblyDxf(*design), TooManyPoints);
  EXPECT_THROW(MainReflectorStl(*design), TooManyPoints);
}

}  // namespace
}  // namespace velmora::part
