// The design read from the fields after a calculation, the figures derived from it against hand
// computations, and the file name made from the inputs.

#include "design.h"

#include <gtest/gtest.h>

#include <string>

#include "calc_error.h"
#include "calculator.h"

namespace velmora::part {
namespace {

using enum FieldId;

Calculator Calculated() {
  Calculator calc;
  calc.Form_Load();
  calc.Command1_Click();
  return calc;
}

TEST(design, read_from_the_fields_of_the_default_calculation) {
  const auto design = ReadDesign(Calculated().Fields());
  ASSERT_TRUE(design.has_value());
  EXPECT_EQ(design->mainDiameter, 370.0);
  EXPECT_EQ(design->subDiameter, 70.0);
  EXPECT_EQ(design->focalLength, 159.951);
  EXPECT_EQ(design->apertureAngle, 120.164);
  EXPECT_EQ(design->halfFocalSpan, 30.9189827);
  EXPECT_EQ(design->hyperbola.a, 7.01356415);
  EXPECT_EQ(design->hyperbola.b2, 906.793409);
  EXPECT_EQ(design->feedToSubVertex, 37.93);
  EXPECT_EQ(design->mainVertexToFeed, 98.11);
}

TEST(design, none_after_clear) {
  Calculator calc = Calculated();
  calc.Command3_Click();
  EXPECT_FALSE(ReadDesign(calc.Fields()).has_value());
}

// e = c / a = 30.9189827 / 7.01356415, M = (e + 1) / (e - 1), worked by hand in exact fractions.
// The equivalent F/D comes out as the feed's 0.686: the sub-reflector matches the feed to the dish.
TEST(design, derived_figures_of_the_default_design) {
  const auto design = ReadDesign(Calculated().Fields());
  ASSERT_TRUE(design.has_value());
  const DerivedFigures figures = Derive(*design);
  EXPECT_NEAR(figures.eccentricity, 4.408455107664482, 1e-13);
  EXPECT_NEAR(figures.magnification, 1.586776101437471, 1e-13);
  EXPECT_NEAR(figures.equivalentFocalRatio, 0.6859633086514187, 1e-13);
  EXPECT_NEAR(figures.blockageRatio, 0.1891891891891892, 1e-15);
}

TEST(design, derive_refuses_a_flat_or_missing_hyperbola) {
  Design design;
  design.mainDiameter = 370.0;
  design.subDiameter = 70.0;
  design.halfFocalSpan = 7.0;
  design.hyperbola.a = 7.0;  // e = 1: the sub-reflector would be a plane
  EXPECT_THROW(Derive(design), CalcError);
  design.hyperbola.a = 0.0;
  EXPECT_THROW(Derive(design), CalcError);
}

TEST(design, file_stem_from_the_typed_inputs) {
  struct Case {
    const char* main;
    const char* sub;
    const char* stem;
  };
  const Case cases[] = {
      {"370", "70", "velmora-D370-d70"},   {"1.5e3", "-2", "velmora-D1.5e3-d-2"},
      {"1,5", "7/0", "velmora-D1_5-d7_0"}, {"a:b*?", "\"<>|\\", "velmora-Da_b__-d_____"},
      {"３", "", "velmora-D___-d"},  // a full-width digit is three bytes of UTF-8
  };
  for (const Case& c : cases) {
    Calculator calc;
    calc.Form_Load();
    calc.Fields().StoreUserText(Text1, c.main);
    calc.Fields().StoreUserText(Text3, c.sub);
    EXPECT_EQ(DesignFileStem(calc.Fields()), c.stem) << c.main << " " << c.sub;
  }
}

}  // namespace
}  // namespace velmora::part
