#pragma once

// What the design sheet says, as text without any toolkit: the window's own captions with the
// texts the fields hold, and the figures a designer derives from them. The printed sheet shows
// these lines, and a program without a window (the command line) prints the same.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"
#include "field_set.h"

namespace velmora::sheet {

struct TextLine {
  std::string caption;  // as the window shows it
  std::string text;     // exactly as the field holds it
  std::string unit;     // where the caption names none
};

struct SheetText {
  std::vector<TextLine> inputs;
  std::vector<TextLine> range;  // START, STOP, STEP of the profile table
  std::vector<TextLine> results;
  std::vector<TextLine> derived;
  part::Design design;
  part::DerivedFigures figures;  // unrounded, as the derived lines show them to four decimals
};

// The caption the window shows beside a field, from its row of the layout.
std::string_view WindowCaptionText(FieldId field);

// The lines, or nothing when the fields hold no complete design (after Clear, or a press that
// stopped at a failing step) or its derived figures are no numbers.
std::optional<SheetText> ReadSheetText(const FieldSet& fields);

}  // namespace velmora::sheet
