#include "sheet_content.h"

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

}  // namespace

QString WindowCaption(FieldId field) {
  return ToQString(WindowCaptionText(field));
}

std::optional<SheetContent> ReadSheetContent(const FieldSet& fields, const QDate& date) {
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
  };
}

}  // namespace velmora::sheet
