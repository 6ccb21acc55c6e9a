#include "electrical_figures.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "calc_error.h"
#include "checked_arithmetic.h"
#include "number_text.h"

namespace velmora::part {
namespace {

struct ReasonRow {
  ElectricalProblem problem;
  std::string_view japanese;
  std::string_view english;
};

// In the order of the enumeration.
constexpr std::array<ReasonRow, 8> kReasons = {{
    {ElectricalProblem::NoFrequency, "周波数 (GHz) を入れてください", "no frequency given"},
    {ElectricalProblem::FrequencyNotANumber, "周波数が数値ではありません",
     "the frequency is not a number"},
    {ElectricalProblem::FrequencyZero, "周波数が 0 です", "the frequency is zero"},
    {ElectricalProblem::FrequencyNegative, "周波数が負の値です", "the frequency is negative"},
    {ElectricalProblem::FrequencyTooHigh, "周波数が 1,000 GHz を超えています",
     "the frequency is above 1,000 GHz"},
    {ElectricalProblem::EfficiencyNotANumber, "開口効率 η が数値ではありません",
     "the aperture efficiency is not a number"},
    {ElectricalProblem::EfficiencyOutOfRange, "開口効率 η は 0 より大きく 1 以下です",
     "the aperture efficiency must be above 0 and at most 1"},
    {ElectricalProblem::NoFigures, "この設計の直径からは求まりません (D > d > 0)",
     "no figures for this design's diameters (D > d > 0)"},
}};

const ReasonRow& Reason(ElectricalProblem problem) {
  return kReasons.at(static_cast<std::size_t>(problem));
}

bool Blank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<double> Number(std::string_view text) {
  try {
    return ToNumber(text);
  } catch (const CalcError&) {
    return std::nullopt;
  }
}

// 10 log10 of a power ratio; the ratio of nothing has no decibels.
double Decibels(double ratio) {
  return checked::Mul(10.0, checked::Tested(std::log10(ratio)));
}

ElectricalFigures Figures(const Design& design, const ElectricalInputs& inputs) {
  using checked::Div;
  using checked::Mul;
  using checked::Square;
  using checked::Sub;
  using std::numbers::pi;
  const double D = design.mainDiameter;
  const double d = design.subDiameter;
  ElectricalFigures f{.inputs = inputs};
  const double hertz = Mul(inputs.frequencyGHz, 1e9);
  f.wavelength = Mul(Div(kSpeedOfLight, hertz), 1000.0);
  f.mainWavelengths = Div(D, f.wavelength);
  f.subWavelengths = Div(d, f.wavelength);
  f.apertureGainDbi = Decibels(Mul(inputs.efficiency, Square(Div(Mul(pi, D), f.wavelength))));
  f.blockageLossDb = -Decibels(Square(Sub(1.0, Square(Div(d, D)))));
  f.gainDbi = Sub(f.apertureGainDbi, f.blockageLossDb);
  f.halfPowerBeamwidth = Div(Mul(kBeamwidthFactor, f.wavelength), D);
  for (std::size_t k = 0; k < kSurfaceLossesDb.size(); ++k) {
    f.surfaceRms.at(k) = Mul(Div(f.wavelength, Mul(4.0, pi)),
                             checked::Sqrt(Mul(kSurfaceLossesDb.at(k) / 10.0, std::numbers::ln10)));
  }
  f.feedBeamwidth = design.radiationAngle;
  f.smallSubReflector = f.subWavelengths < kMinSubWavelengths;
  return f;
}

}  // namespace

std::string_view JapaneseReason(ElectricalProblem problem) {
  return Reason(problem).japanese;
}

std::string_view EnglishReason(ElectricalProblem problem) {
  return Reason(problem).english;
}

std::variant<ElectricalInputs, ElectricalProblem> ReadElectricalInputs(
    std::string_view frequency, std::string_view efficiency) {
  using enum ElectricalProblem;
  if (Blank(frequency)) return NoFrequency;
  const std::optional<double> f = Number(frequency);
  if (!f) return FrequencyNotANumber;
  if (*f == 0.0) return FrequencyZero;
  if (*f < 0.0) return FrequencyNegative;
  if (*f > kMaxFrequencyGHz) return FrequencyTooHigh;
  ElectricalInputs inputs{.frequencyGHz = *f};
  if (!Blank(efficiency)) {
    const std::optional<double> eta = Number(efficiency);
    if (!eta) return EfficiencyNotANumber;
    if (!(*eta > 0.0 && *eta <= 1.0)) return EfficiencyOutOfRange;
    inputs.efficiency = *eta;
  }
  return inputs;
}

std::variant<ElectricalFigures, ElectricalProblem> Electrical(const Design& design,
                                                              const ElectricalInputs& inputs) {
  // The blockage approximation needs a sub-reflector inside the aperture; a negative diameter
  // would square into a gain.
  if (!(design.mainDiameter > design.subDiameter && design.subDiameter > 0.0)) {
    return ElectricalProblem::NoFigures;
  }
  try {
    return Figures(design, inputs);
  } catch (const CalcError&) {
    return ElectricalProblem::NoFigures;
  }
}

}  // namespace velmora::part
