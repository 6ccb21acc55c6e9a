#include "sheet_content.h"

#include "electrical_text.h"
#include "form_layout.h"
#include "qt_text.h"
#include "sheet_text.h"

namespace velmora::sheet {
namespace {

using ui::ToQString;

std::vector<SheetLine> Lines(const std::vector<TextLine>& texts) {
  std::vector<SheetLine> lines;
  lines.reserve(texts.size());
  for (const TextLine& text : texts) {
    lines.push_back({ToQString(text.caption), ToQString(text.text), ToQString(text.unit)});
  }
  return lines;
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
  return ToQString(WindowCaptionText(field));
}

std::optional<SheetContent> ReadSheetContent(
    const FieldSet& fields, const QDate& date,
    const std::optional<part::ElectricalInputs>& electrical) {
  const std::optional<SheetText> text = ReadSheetText(fields);
  if (!text) return std::nullopt;
  return SheetContent{
      .title = ToQString(ui::kWindowTitle),
      .date = date.toString(Qt::ISODate),
      .designName = QString::fromStdString(part::DesignFileStem(fields)),
      .inputs = Lines(text->inputs),
      .range = Lines(text->range),
      .results = Lines(text->results),
      .derived = Lines(text->derived),
      .design = text->design,
      .electrical =
          electrical ? std::optional(ElectricalBlockAt(text->design, *electrical)) : std::nullopt,
  };
}

}  // namespace velmora::sheet
