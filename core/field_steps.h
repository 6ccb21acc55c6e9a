#pragma once

// How a calculation step stores its result: as the number's general text, and for the displayed
// results once more in their display pattern, read back from the field.

#include "field_set.h"
#include "number_text.h"

namespace velmora {

inline void WriteGeneral(FieldSet& fields, FieldId id, double number) {
  fields.Write(id, GeneralText(number));
}

inline void ApplyPattern(FieldSet& fields, FieldId id, DisplayPattern pattern) {
  fields.Write(id, PatternText(fields.Text(id), pattern));
}

}  // namespace velmora
