// The electrical figures against published values and their formulas worked apart (in Python), the
// typed inputs' reasons, the texts and units a reader gets, and the number texts' examples.

#include <gtest/gtest.h>

#include <string>

#include "decimal_text.h"
#include "electrical_figures.h"
#include "electrical_text.h"

namespace velmora::part {
namespace {

Design Dish(double D, double d) {
  Design design;
  design.mainDiameter = D;
  design.subDiameter = d;
  design.radiationAngle = 80.093;
  return design;
}

ElectricalFigures At(double D, double d, double f, double eta) {
  const auto figures = Electrical(Dish(D, d), {.frequencyGHz = f, .efficiency = eta});
  EXPECT_TRUE(std::holds_alternative<ElectricalFigures>(figures)) << D << " " << d << " " << f;
  return std::get<ElectricalFigures>(figures);
}

TEST(electrical, published_worked_values) {
  // A 3 m dish at 10 GHz with η = 0.55: 47.35 dBi before blockage (the usual dish calculators');
  // Ruze's 1 dB at ε = λ / 26.2 (4π / √(0.1 ln 10)); 70 λ / D: 0.70° for a hundred wavelengths.
  const ElectricalFigures dish = At(3000.0, 300.0, 10.0, 0.55);
  EXPECT_NEAR(dish.wavelength, 29.9792458, 1e-12);
  EXPECT_NEAR(dish.apertureGainDbi, 47.35, 0.005);
  EXPECT_NEAR(dish.wavelength / dish.surfaceRms[2], 26.188, 0.001);
  EXPECT_NEAR(dish.halfPowerBeamwidth, 0.69952, 1e-5);
}

TEST(electrical, figures_against_the_formulas_worked_apart) {
  struct Case {
    const char* name;
    double D, d, f, eta;
    double gain, blockage, beamwidth, rmsHalfDb, subWavelengths;
  };
  const Case cases[] = {
      {"370/70 at 10 GHz -> 29.90 dBi, 0.317 dB", 370, 70, 10, 0.65, 29.899751443092583,
       0.3165903385628024, 5.671749205405405, 0.8094754565983794, 2.3349486663870644},
      {"3000/300 at 12 GHz, η 0.7 -> 49.98 dBi", 3000, 300, 12, 0.7, 49.98361381081244,
       0.08729610804900181, 0.5829297794444445, 0.6745628804986495, 12.008307427133474},
      {"370/70 at 1000 GHz -> 8 µm at 0.5 dB", 370, 70, 1000, 0.65, 69.89975144309258,
       0.3165903385628024, 0.05671749205405406, 0.008094754565983795, 233.4948666387064},
  };
  for (const Case& c : cases) {
    const ElectricalFigures f = At(c.D, c.d, c.f, c.eta);
    EXPECT_NEAR(f.apertureGainDbi, c.gain, 1e-9) << c.name;
    EXPECT_NEAR(f.blockageLossDb, c.blockage, 1e-12) << c.name;
    EXPECT_NEAR(f.gainDbi, c.gain - c.blockage, 1e-9) << c.name;
    EXPECT_NEAR(f.halfPowerBeamwidth / c.beamwidth, 1.0, 1e-12) << c.name;
    EXPECT_NEAR(f.surfaceRms[1] / c.rmsHalfDb, 1.0, 1e-12) << c.name;
    EXPECT_NEAR(f.subWavelengths / c.subWavelengths, 1.0, 1e-12) << c.name;
    EXPECT_EQ(f.smallSubReflector, c.subWavelengths < 10.0) << c.name;
  }
}

TEST(electrical, typed_inputs_and_their_reasons) {
  using enum ElectricalProblem;
  struct Good {
    const char *frequency, *efficiency;
    double gigahertz, eta;
  };
  for (const Good& c : {Good{"10", "", 10, 0.65}, Good{" 12.5 ", "0.55", 12.5, 0.55},
                        Good{"1000", "1", 1000, 1}, Good{"1e3", " ", 1000, 0.65}}) {
    const auto read = ReadElectricalInputs(c.frequency, c.efficiency);
    ASSERT_TRUE(std::holds_alternative<ElectricalInputs>(read)) << c.frequency;
    EXPECT_EQ(std::get<ElectricalInputs>(read).frequencyGHz, c.gigahertz) << c.frequency;
    EXPECT_EQ(std::get<ElectricalInputs>(read).efficiency, c.eta) << c.efficiency;
  }
  struct Bad {
    const char *frequency, *efficiency;
    ElectricalProblem problem;
  };
  for (const Bad& c :
       {Bad{"", "", NoFrequency}, Bad{"ten", "", FrequencyNotANumber}, Bad{"0", "", FrequencyZero},
        Bad{"-0", "", FrequencyZero}, Bad{"-10", "", FrequencyNegative},
        Bad{"1000.5", "", FrequencyTooHigh}, Bad{"1e309", "", FrequencyNotANumber},
        Bad{"10", "x", EfficiencyNotANumber}, Bad{"10", "0", EfficiencyOutOfRange},
        Bad{"10", "1.2", EfficiencyOutOfRange}}) {
    const auto read = ReadElectricalInputs(c.frequency, c.efficiency);
    ASSERT_TRUE(std::holds_alternative<ElectricalProblem>(read)) << c.frequency;
    EXPECT_EQ(std::get<ElectricalProblem>(read), c.problem) << c.frequency << " " << c.efficiency;
    EXPECT_FALSE(JapaneseReason(c.problem).empty() || EnglishReason(c.problem).empty());
  }
}

// No sub-reflector, one as large as the dish or larger, and a gain that underflows to nothing.
TEST(electrical, designs_without_figures) {
  const double cases[][2] = {{0, 10}, {-70, 10}, {370, 10}, {400, 10}, {70, 1e-300}};
  for (const auto& [d, f] : cases) {
    EXPECT_TRUE(std::holds_alternative<ElectricalProblem>(Electrical(Dish(370, d), {f}))) << d;
  }
}

TEST(electrical_text, texts_and_units_of_the_default_design_at_10_ghz) {
  const ElectricalFigures f = At(370.0, 70.0, 10.0, 0.65);
  std::string shown;
  for (const ElectricalRow& row : ElectricalRows(f)) {
    shown += std::string(row.key) + "=" + row.text + " " + std::string(row.unit) + ";";
  }
  EXPECT_EQ(shown,
            "frequency=10 GHz;efficiency=0.65 ;wavelength=29.98 mm;main-wavelengths=12.34 ;"
            "sub-wavelengths=2.335 ;aperture-gain=29.90 dBi;blockage-loss=0.32 dB;gain=29.58 dBi;"
            "beamwidth=5.67 deg;surface-rms-0.1db=0.362 mm rms;surface-rms-0.5db=0.809 mm rms;"
            "surface-rms-1db=1.14 mm rms;feed-beamwidth=80.093 deg;");
  EXPECT_EQ(ElectricalHeading(10.0), "電気的な目安 (f = 10 GHz)");
  EXPECT_EQ(AccuracyLine(f), "面精度 0.5 dB: ± 0.809 mm rms");
}

TEST(decimal_text, examples_of_the_comments) {
  struct Case {
    double value;
    int count;
    bool significant;
    const char* text;
  };
  const Case cases[] = {
      {47.353, 2, false, "47.35"},
      {0.5, 3, false, "0.500"},
      {-0.004, 2, false, "0.00"},
      {29.9792458, 4, true, "29.98"},
      {0.000213, 3, true, "0.000213"},
      {0.7, 3, true, "0.700"},
      {9.9996, 4, true, "10.00"},
      {47353.2, 4, true, "47350"},
      {0.0, 3, true, "0.00"},
      // Ties on the double's exact value go away from zero; a value just above one rounds up.
      {0.03125, 4, false, "0.0313"},
      {1.00005, 4, false, "1.0001"},
      {9.99995, 4, false, "10.0000"},
      {-0.03125, 4, false, "-0.0313"},
      {0.125, 0, false, "0"},
      {2.5, 0, false, "3"},
  };
  for (const Case& c : cases) {
    std::string text;
    (c.significant ? AppendSignificant : AppendFixed)(text, c.value, c.count);
    EXPECT_EQ(text, c.text) << c.value << " to " << c.count;
  }
}

}  // namespace
}  // namespace velmora::part
