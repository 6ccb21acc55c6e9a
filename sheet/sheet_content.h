#pragma once

// What the design sheet says: the window's own captions with the texts the fields hold, the
// figures a designer derives from them, and the numbers its drawings are made from. Read once from
// the field set, so every page describes the design the window shows.

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "design.h"
#include "field_set.h"

namespace velmora::sheet {

struct SheetLine {
  QString caption;  // as the window shows it
  QString text;     // exactly as the field holds it
  QString unit;     // where the caption names none
};

struct SheetContent {
  QString title;
  QString date;        // ISO 8601
  QString designName;  // "velmora-D370-d70"
  std::vector<SheetLine> inputs;
  std::vector<SheetLine> range;  // START, STOP, STEP of the profile table
  std::vector<SheetLine> results;
  std::vector<SheetLine> derived;
  part::Design design;
};

// The caption the window shows beside a field, from its row of the layout.
QString WindowCaption(FieldId field);

// The content, or nothing when the fields hold no complete design (after Clear, or a press that
// stopped at a failing step) or its derived figures are no numbers.
std::optional<SheetContent> ReadSheetContent(const FieldSet& fields, const QDate& date);

}  // namespace velmora::sheet
