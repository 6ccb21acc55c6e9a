#pragma once

// The rules that keep the fields in shape outside a calculation: the start-up defaults, Clear,
// and the STOP radius that follows the sub-reflector diameter. They work on field texts only.

#include "field_set.h"

namespace velmora {

// All 21 fields to their start-up texts; STOP is the integer part of half the diameter.
void FillDefaults(FieldSet& fields);
// All 21 fields empty, Text1 first.
void ClearFields(FieldSet& fields);
// STOP becomes the exact half of a non-empty diameter; a diameter that is not a number leaves it.
void FollowSubDiameter(FieldSet& fields);

}  // namespace velmora
