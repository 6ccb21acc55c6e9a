#pragma once

// The electrical figures as a reader sees them, one row a figure, the same for the design sheet,
// the window and the command line: a key for JSON and CSV, the Japanese and English captions, the
// value's text, its unit and the number itself, so that a printer needs only a loop over them.
// Decimals: dB and dBi to 0.01 (no estimate of this order is better), the window's three for the
// feed's angle, four significant digits for λ and the wavelengths, three for the beamwidth and
// the surface accuracies, which span micrometres to millimetres.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "electrical_figures.h"

namespace velmora::part {

struct ElectricalRow {
  std::string_view key;       // "gain"
  std::string_view japanese;  // "利得 (ブロッキング込み)"
  std::string_view english;   // "gain with blockage"
  std::string text;           // "47.27"
  std::string_view unit;      // "dBi"; empty for a ratio
  double value = 0.0;         // the number before rounding
};

// Every figure, the frequency first, then η, λ, D / λ, d / λ, the gains, the beamwidth, the
// surface accuracies for each of kSurfaceLossesDb, and the feed's -10 dB beamwidth.
std::vector<ElectricalRow> ElectricalRows(const ElectricalFigures& figures);

// The frequency in its shortest form, "10", "12.5": the heading's "f = 10 GHz".
std::string FrequencyText(double frequencyGHz);
// "電気的な目安 (f = 10 GHz)"
std::string ElectricalHeading(double frequencyGHz);
// What the figures are, in one line.
inline constexpr std::string_view kFirstOrderCaveat = "目安: 開口効率 η を仮定した一次近似";
// The accuracy a template's part must hold: "面精度 0.5 dB: ± 0.809 mm rms".
std::string AccuracyLine(const ElectricalFigures& figures);

// The key of the small sub-reflector's note, given or not: a column of a sweep's rows.
inline constexpr std::string_view kSmallSubReflectorKey = "small-sub-reflector";

struct ElectricalNote {
  std::string_view key;
  std::string_view japanese;
  std::string_view english;
};
// The note of a sub-reflector below kMinSubWavelengths, else nothing.
std::optional<ElectricalNote> SubReflectorNote(const ElectricalFigures& figures);

}  // namespace velmora::part
