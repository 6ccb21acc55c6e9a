#include "sheet_content.h"

#include <array>
#include <string_view>

#include "calc_error.h"
#include "electrical_text.h"
#include "form_layout.h"
#include "qt_text.h"

namespace velmora::sheet {
namespace {

using ui::ElementEntry;
using ui::Elements;
using ui::FindElement;
using ui::ToQString;

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
std::vector<SheetLine> Lines(const FieldSet& fields, const std::array<LineSpec, N>& specs) {
  std::vector<SheetLine> lines;
  for (const LineSpec& spec : specs) {
    QString caption = WindowCaption(spec.field);
    if (const ElementEntry* marker = FindElement(spec.marker)) {
      caption = ToQString(marker->text) + QLatin1Char(' ') + caption;
    }
    lines.push_back(
        {caption, QString::fromStdString(fields.Text(spec.field)), ToQString(spec.unit)});
  }
  return lines;
}

// Four decimals: e and M are ratios near 1 to 10, and the table's depths carry three.
QString Figure(double value) {
  return QString::number(value, 'f', 4);
}

std::vector<SheetLine> DerivedLines(const part::DerivedFigures& figures) {
  return {
      {QString::fromUtf8("離心率 e = c / a"), Figure(figures.eccentricity), {}},
      {QString::fromUtf8("拡大率 M = (e + 1) / (e − 1)"), Figure(figures.magnification), {}},
      {QString::fromUtf8("等価 F/D = M × F/D"), Figure(figures.equivalentFocalRatio), {}},
      {QString::fromUtf8("ブロッキング比 d / D"), Figure(figures.blockageRatio), {}},
  };
}

ElectricalBlock ElectricalBlockAt(const part::Design& design,
                                  const part::ElectricalInputs& inputs) {
  const auto figures = part::Electrical(design, inputs);
  if (const auto* problem = std::get_if<part::ElectricalProblem>(&figures)) {
    return {.heading = ToQString(part::ElectricalHeading(inputs.frequencyGHz)),
            .lines = {},
            .remarks = {ToQString(part::JapaneseReason(*problem))},
            .accuracy = {}};
  }
  const auto& electrical = std::get<part::ElectricalFigures>(figures);
  ElectricalBlock block{.heading = ToQString(part::ElectricalHeading(inputs.frequencyGHz)),
                        .lines = {},
                        .remarks = {ToQString(part::kFirstOrderCaveat)},
                        .accuracy = ToQString(part::AccuracyLine(electrical))};
  const std::vector<part::ElectricalRow> rows = part::ElectricalRows(electrical);
  for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
    block.lines.push_back(
        {ToQString(row->japanese), QString::fromStdString(row->text), ToQString(row->unit)});
  }
  if (const auto note = part::SubReflectorNote(electrical)) {
    block.remarks.push_back(ToQString(note->japanese));
  }
  return block;
}

}  // namespace

QString WindowCaption(FieldId field) {
  for (const ElementEntry& entry : Elements()) {
    if (entry.field != field) continue;
    const ElementEntry* caption = FindElement(entry.caption);
    return caption != nullptr ? ToQString(caption->text) : QString();
  }
  return {};
}

std::optional<SheetContent> ReadSheetContent(
    const FieldSet& fields, const QDate& date,
    const std::optional<part::ElectricalInputs>& electrical) {
  const std::optional<part::Design> design = part::ReadDesign(fields);
  if (!design) return std::nullopt;
  part::DerivedFigures figures;
  try {
    figures = part::Derive(*design);
  } catch (const CalcError&) {
    return std::nullopt;
  }
  return SheetContent{
      .title = ToQString(ui::kWindowTitle),
      .date = date.toString(Qt::ISODate),
      .designName = QString::fromStdString(part::DesignFileStem(fields)),
      .inputs = Lines(fields, kInputs),
      .range = Lines(fields, kRange),
      .results = Lines(fields, kResults),
      .derived = DerivedLines(figures),
      .design = *design,
      .electrical =
          electrical ? std::optional(ElectricalBlockAt(*design, *electrical)) : std::nullopt,
  };
}

}  // namespace velmora::sheet
