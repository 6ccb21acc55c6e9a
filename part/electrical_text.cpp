#include "electrical_text.h"

#include <array>

#include "decimal_text.h"

namespace velmora::part {
namespace {

enum class Form { Shortest, Decimals, Significant };

struct RowSpec {
  std::string_view key;
  std::string_view japanese;
  std::string_view english;
  std::string_view unit;
  Form form;
  int count;  // decimals or significant digits
  double (*value)(const ElectricalFigures&);
};

using F = const ElectricalFigures&;

// Micrometres to millimetres: three digits at any frequency.
constexpr int kSurfaceDigits = 3;

constexpr std::array<RowSpec, 13> kRows = {{
    {"frequency", "周波数 f", "frequency f", "GHz", Form::Shortest, 0,
     [](F f) { return f.inputs.frequencyGHz; }},
    {"efficiency", "開口効率 η (仮定)", "aperture efficiency η (assumed)", "", Form::Shortest, 0,
     [](F f) { return f.inputs.efficiency; }},
    {"wavelength", "波長 λ", "wavelength λ", "mm", Form::Significant, 4,
     [](F f) { return f.wavelength; }},
    {"main-wavelengths", "D / λ", "D / λ", "", Form::Significant, 4,
     [](F f) { return f.mainWavelengths; }},
    {"sub-wavelengths", "d / λ", "d / λ", "", Form::Significant, 4,
     [](F f) { return f.subWavelengths; }},
    {"aperture-gain", "開口の利得 η(πD/λ)²", "aperture gain η(πD/λ)²", "dBi", Form::Decimals, 2,
     [](F f) { return f.apertureGainDbi; }},
    {"blockage-loss", "ブロッキング損失", "blockage loss", "dB", Form::Decimals, 2,
     [](F f) { return f.blockageLossDb; }},
    {"gain", "利得 (ブロッキング込み)", "gain with blockage", "dBi", Form::Decimals, 2,
     [](F f) { return f.gainDbi; }},
    {"beamwidth", "半値ビーム幅 70 λ/D", "half-power beamwidth 70 λ/D", "deg", Form::Significant, 3,
     [](F f) { return f.halfPowerBeamwidth; }},
    {"surface-rms-0.1db", "面精度 0.1 dB (Ruze)", "surface rms for 0.1 dB (Ruze)", "mm rms",
     Form::Significant, kSurfaceDigits, [](F f) { return f.surfaceRms[0]; }},
    {"surface-rms-0.5db", "面精度 0.5 dB (Ruze)", "surface rms for 0.5 dB (Ruze)", "mm rms",
     Form::Significant, kSurfaceDigits, [](F f) { return f.surfaceRms[1]; }},
    {"surface-rms-1db", "面精度 1 dB (Ruze)", "surface rms for 1 dB (Ruze)", "mm rms",
     Form::Significant, kSurfaceDigits, [](F f) { return f.surfaceRms[2]; }},
    // The window's three decimals: the number was read from that very text.
    {"feed-beamwidth", "輻射器 −10 dB ビーム幅 2Θ'", "feed -10 dB beamwidth 2Θ'", "deg",
     Form::Decimals, 3, [](F f) { return f.feedBeamwidth; }},
}};
static_assert(kSurfaceLossesDb.size() == 3, "a row for each surface loss");
static_assert(kMinSubWavelengths == 10.0, "the note says 10 wavelengths");

std::string Text(Form form, int count, double value) {
  std::string text;
  switch (form) {
    case Form::Shortest:
      AppendDecimal(text, value);
      break;
    case Form::Decimals:
      AppendFixed(text, value, count);
      break;
    case Form::Significant:
      AppendSignificant(text, value, count);
      break;
  }
  return text;
}

}  // namespace

std::vector<ElectricalRow> ElectricalRows(const ElectricalFigures& figures) {
  std::vector<ElectricalRow> rows;
  rows.reserve(kRows.size());
  for (const RowSpec& spec : kRows) {
    const double value = spec.value(figures);
    rows.push_back({spec.key, spec.japanese, spec.english, Text(spec.form, spec.count, value),
                    spec.unit, value});
  }
  return rows;
}

std::string FrequencyText(double frequencyGHz) {
  return Text(Form::Shortest, 0, frequencyGHz);
}

std::string ElectricalHeading(double frequencyGHz) {
  return "電気的な目安 (f = " + FrequencyText(frequencyGHz) + " GHz)";
}

std::string AccuracyLine(const ElectricalFigures& figures) {
  std::string line = "面精度 ";
  AppendDecimal(line, kSurfaceLossesDb[kTemplateLoss]);
  line += " dB: ± ";
  AppendSignificant(line, figures.surfaceRms[kTemplateLoss], kSurfaceDigits);
  line += " mm rms";
  return line;
}

std::optional<ElectricalNote> SubReflectorNote(const ElectricalFigures& figures) {
  if (!figures.smallSubReflector) return std::nullopt;
  return ElectricalNote{
      .key = kSmallSubReflectorKey,
      .japanese = "注: 副反射鏡の直径が 10 波長未満です。縁の回折による損失が増えます (目安)。",
      .english =
          "note: the sub-reflector is less than 10 wavelengths across; diffraction at its "
          "edge adds losses (guidance)",
  };
}

}  // namespace velmora::part
