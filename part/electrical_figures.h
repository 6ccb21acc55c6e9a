#pragma once

// What the geometry means at a frequency: first-order electrical figures of the Cassegrain antenna
// from its diameters D and d and the feed's radiation angle, for a frequency f and an aperture
// efficiency η. They are estimates for choosing a design, not an analysis of it: no spillover,
// no diffraction, no feed pattern beyond its -10 dB beamwidth.
//
// The formulas, each evaluated in the order written (true π here: these figures are not the
// legacy program's, whose 3.14159 and 3.14 stay in the geometry alone):
//   wavelength      λ = c / f, c = 299 792 458 m/s (exact, SI), in mm.
//   aperture gain   G = η (π D / λ)², in dBi: the gain of a circular aperture of area π D² / 4
//                   (G = 4π A / λ² times η), e.g. Kraus, "Antennas", and the IEEE definition of
//                   aperture efficiency (IEEE Std 145). η covers the illumination and spillover
//                   only: blockage and the surface are taken apart below. A 3 m dish at 10 GHz
//                   with η = 0.55 gives 47.35 dBi.
//   blockage        (1 − (d / D)²)², the central-blockage approximation: the sub-reflector's
//                   shadow removes the field of the aperture's centre, for a uniformly lit
//                   aperture and a small d / D (e.g. Kildal, "Foundations of Antennas"). Given as
//                   a loss in dB, and the gain with it taken off.
//   beamwidth       HPBW ≈ 70 λ / D degrees, the half-power beamwidth of a reflector lit with a
//                   taper of about -10 dB at its rim (uniform illumination gives 58.4 λ / D;
//                   e.g. the ARRL Antenna Book, Stutzman and Thiele, "Antenna Theory and
//                   Design").
//   surface         Ruze, "Antenna tolerance theory: a review", Proc. IEEE 54 (1966): the gain
//                   falls by exp(−(4π ε / λ)²) for a surface of rms error ε (normal to a shallow
//                   reflector, correlated over more than a wavelength). The ε that costs L dB:
//                   ε = (λ / (4π)) √((L / 10) ln 10); 1 dB at ε ≈ λ / 26. Each reflector, each
//                   template and each printed part is to hold it.
//   feed            the feed's -10 dB beamwidth that lights the sub-reflector's rim: the
//                   radiation angle 2Θ' itself, as the window shows it (the feed is designed for
//                   a -10 dB edge taper at the rim).
//   sub-reflector   a sub-reflector below about 10 wavelengths across loses much by diffraction
//                   at its edge: the usual rule of thumb of Cassegrain design, given as a note,
//                   never a refusal.

#include <array>
#include <string_view>
#include <variant>

#include "design.h"

namespace velmora::part {

// Assumed when the user gives none: a good horn-fed reflector's illumination and spillover
// efficiency, without blockage and surface losses.
inline constexpr double kDefaultEfficiency = 0.65;
// Above it a figure of this first order means nothing for a machined reflector.
inline constexpr double kMaxFrequencyGHz = 1000.0;
inline constexpr double kSpeedOfLight = 299'792'458.0;  // m/s
// Degrees of half-power beamwidth per wavelength over diameter, for a -10 dB edge taper.
inline constexpr double kBeamwidthFactor = 70.0;
// The sub-reflector's usual least diameter, in wavelengths.
inline constexpr double kMinSubWavelengths = 10.0;
// The gain losses whose surface accuracy the figures give, in dB.
inline constexpr std::array<double, 3> kSurfaceLossesDb = {0.1, 0.5, 1.0};
// The loss the templates' accuracy line names: kSurfaceLossesDb[kTemplateLoss].
inline constexpr std::size_t kTemplateLoss = 1;

struct ElectricalInputs {
  double frequencyGHz = 0.0;
  double efficiency = kDefaultEfficiency;  // η, in (0, 1]
};

// Why there are no figures: the input the user typed, or the design they do not fit.
enum class ElectricalProblem {
  NoFrequency,           // the frequency is empty
  FrequencyNotANumber,   // "abc", "1,5"
  FrequencyZero,         // "0", "-0"
  FrequencyNegative,     // "-10"
  FrequencyTooHigh,      // above kMaxFrequencyGHz
  EfficiencyNotANumber,  // η typed but no number
  EfficiencyOutOfRange,  // η not in (0, 1]
  NoFigures,             // D or d not positive, d not below D, or a figure beyond a double
};

// A short reason for the user: Japanese for the window and the sheet, English for the command
// line outside a Japanese session.
std::string_view JapaneseReason(ElectricalProblem problem);
std::string_view EnglishReason(ElectricalProblem problem);

// The frequency in GHz and η as typed, each read by the calculator's own number rule (ToNumber:
// spaces around, "." as the point, an exponent). An empty η (or one of blanks) takes the default.
//   ("10", "") -> 10 GHz, η 0.65;  ("12.5", "0.55") -> 12.5 GHz, η 0.55;
//   ("", "") -> NoFrequency;  ("ten", "") -> FrequencyNotANumber;  ("1000.5", "") -> TooHigh;
//   ("1000", "") -> 1000 GHz;  ("10", "1.2") -> EfficiencyOutOfRange.
std::variant<ElectricalInputs, ElectricalProblem> ReadElectricalInputs(std::string_view frequency,
                                                                       std::string_view efficiency);

struct ElectricalFigures {
  ElectricalInputs inputs;
  double wavelength = 0.0;          // λ, mm
  double mainWavelengths = 0.0;     // D / λ
  double subWavelengths = 0.0;      // d / λ
  double apertureGainDbi = 0.0;     // η (π D / λ)²
  double blockageLossDb = 0.0;      // −10 log10((1 − (d / D)²)²), positive
  double gainDbi = 0.0;             // the aperture's gain less the blockage loss
  double halfPowerBeamwidth = 0.0;  // degrees
  std::array<double, kSurfaceLossesDb.size()> surfaceRms{};  // mm, one for each loss
  double feedBeamwidth = 0.0;                                // 2Θ' of the feed, degrees
  bool smallSubReflector = false;                            // d / λ below kMinSubWavelengths
};

// The figures of the design at the inputs, or NoFigures where its diameters give none (D or d not
// positive, d not below D) or a figure is no finite number (a frequency so low that the gain
// underflows). Inputs come from ReadElectricalInputs.
std::variant<ElectricalFigures, ElectricalProblem> Electrical(const Design& design,
                                                              const ElectricalInputs& inputs);

}  // namespace velmora::part
