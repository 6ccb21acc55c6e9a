#include "sheet_text.h"

#include <array>

#include "calc_error.h"
#include "decimal_text.h"
#include "form_layout.h"

namespace velmora::sheet {
namespace {

using ui::ElementEntry;
using ui::Elements;
using ui::FindElement;

// A field of the sheet: the window names it; a marker caption ("A:") stands before the name, and
// a unit follows where the window's caption leaves it out.
struct LineSpec {
  FieldId field;
  std::string_view marker = {};
  std::string_view unit = {};
};

using enum FieldId;
constexpr std::array<LineSpec, 4> kInputs = {{{Text1}, {Text2}, {Text3}, {Text4}}};
constexpr std::array<LineSpec, 3> kRange = {{{Text17}, {Text18}, {Text19}}};
constexpr std::array<LineSpec, 13> kResults = {{
    {Text5},
    {Text6},
    {Text16},
    {Text7},
    {.field = Text21, .marker = "Label29", .unit = "mm"},
    {.field = Text20, .marker = "Label30", .unit = "mm"},
    {.field = Text8, .unit = "mm"},
    {.field = Text9, .unit = "mm"},
    {.field = Text10, .unit = "mm"},
    {.field = Text11, .unit = "mm"},
    {.field = Text12, .unit = "mm"},
    {.field = Text13, .unit = "mm"},
    {.field = Text14, .unit = "mm²"},
}};

template <std::size_t N>
std::vector<TextLine> Lines(const FieldSet& fields, const std::array<LineSpec, N>& specs) {
  std::vector<TextLine> lines;
  for (const LineSpec& spec : specs) {
    std::string caption(WindowCaptionText(spec.field));
    if (const ElementEntry* marker = FindElement(spec.marker)) {
      std::string marked(marker->text);
      marked += ' ';
      caption = marked.append(caption);
    }
    lines.push_back({caption, fields.Text(spec.field), std::string(spec.unit)});
  }
  return lines;
}

// Four decimals: e and M are ratios near 1 to 10, and the table's depths carry three.
constexpr int kDerivedDecimals = 4;

std::string Figure(double value) {
  return part::FixedDecimals(value, kDerivedDecimals);
}

std::vector<TextLine> DerivedLines(const part::DerivedFigures& figures) {
  return {
      {"離心率 e = c / a", Figure(figures.eccentricity), {}},
      {"拡大率 M = (e + 1) / (e − 1)", Figure(figures.magnification), {}},
      {"等価 F/D = M × F/D", Figure(figures.equivalentFocalRatio), {}},
      {"ブロッキング比 d / D", Figure(figures.blockageRatio), {}},
  };
}

}  // namespace

std::string_view WindowCaptionText(FieldId field) {
  for (const ElementEntry& entry : Elements()) {
    if (entry.field != field) continue;
    const ElementEntry* caption = FindElement(entry.caption);
    return caption != nullptr ? caption->text : std::string_view();
  }
  return {};
}

std::optional<SheetText> ReadSheetText(const FieldSet& fields) {
  const std::optional<part::Design> design = part::ReadDesign(fields);
  if (!design) return std::nullopt;
  part::DerivedFigures figures;
  try {
    figures = part::Derive(*design);
  } catch (const CalcError&) {
    return std::nullopt;
  }
  return SheetText{
      .inputs = Lines(fields, kInputs),
      .range = Lines(fields, kRange),
      .results = Lines(fields, kResults),
      .derived = DerivedLines(figures),
      .design = *design,
      .figures = figures,
  };
}

}  // namespace velmora::sheet
