#pragma once

// Every figure of a completed design, as the window and its design sheet show it: the inputs, the
// profile's range, the results exactly as their fields hold them, and the derived figures of the
// sheet; each with a key in English, its caption, its unit and the number the text denotes.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "electrical_figures.h"
#include "field_set.h"

namespace velmora::cli {

struct Figure {
  std::string_view key;
  std::string caption;
  std::string text;  // exactly as the window shows it
  std::string unit;  // where the caption names none
  double value;      // the number the text stands for (the derived figures': unrounded)
};

// The keys, in the order the figures come, the electrical ones last where asked for: also the
// columns of a sweep's rows.
std::vector<std::string_view> FigureKeys(bool electrical);

// The figures of the design the fields hold after a completed press, captioned in the session's
// language (in Japanese, the window's own captions). Throws CalcError where a field holds no
// number or a derived figure is none.
std::vector<Figure> ReadFigures(const FieldSet& fields);

// The electrical figures of the design the fields hold at `inputs`, after the others, and whether
// its sub-reflector is under the usual least size; the reason where its diameters give none.
std::optional<std::string> AddElectricalFigures(std::vector<Figure>& figures,
                                                const FieldSet& fields,
                                                const part::ElectricalInputs& inputs);

// A field's caption in the session's language, for the messages that name a step.
std::string FieldCaption(FieldId field);

}  // namespace velmora::cli
