#pragma once

// What the design sheet says: the window's own captions with the texts the fields hold, the
// figures a designer derives from them, and the numbers its drawings are made from. Read once from
// the field set, so every page describes the design the window shows.

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "design.h"
#include "electrical_figures.h"
#include "field_set.h"

namespace velmora::sheet {

struct SheetLine {
  QString caption;  // as the window shows it
  QString text;     // exactly as the field holds it
  QString unit;     // where the caption names none
};

// What the design means at the frequency the user set: page 1's block and each template's line.
struct ElectricalBlock {
  QString heading;               // "電気的な目安 (f = 10 GHz)"
  std::vector<SheetLine> lines;  // every figure but the frequency, which the heading names
  std::vector<QString> remarks;  // that they are first-order estimates, the sub-reflector's note;
                                 // or why there are no figures
  QString accuracy;              // "面精度 0.5 dB: ± 0.809 mm rms"; empty without figures
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
  std::optional<ElectricalBlock> electrical;  // only when a frequency is set
};

// The caption the window shows beside a field, from its row of the layout.
QString WindowCaption(FieldId field);

// The content, or nothing when the fields hold no complete design (after Clear, or a press that
// stopped at a failing step) or its derived figures are no numbers. With a frequency, the
// electrical figures of the design at it.
std::optional<SheetContent> ReadSheetContent(
    const FieldSet& fields, const QDate& date,
    const std::optional<part::ElectricalInputs>& electrical = std::nullopt);

}  // namespace velmora::sheet
