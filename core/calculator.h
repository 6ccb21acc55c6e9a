#pragma once

// The state of the window Form1 without the window: its field set, its form-level values, and the
// four handlers that the window's events run. Each handler runs to completion and returns nothing.

#include "field_set.h"
#include "form_values.h"
#include "profile.h"

namespace velmora {

class Calculator {
 public:
  FieldSet& Fields() { return fields_; }
  [[nodiscard]] const FieldSet& Fields() const { return fields_; }
  [[nodiscard]] const FormValues& Values() const { return values_; }

  // The start-up defaults of all 21 fields, before the window is first shown.
  void Form_Load();
  // Calculate: the geometry, the profile table, the two placement distances. Stops silently at
  // the first failing step, keeping what it has written. Running out of memory (std::bad_alloc)
  // is such a step: the fields keep their texts, and the partial table is let go. The window is
  // told of the table as it is made, and may refuse it (TableWatch).
  void Command1_Click(const TableWatch& table = {});
  // Whether the last press of Calculate ran to its end, so that every result field describes the
  // inputs it was made from; false before the first press and after Clear.
  [[nodiscard]] bool LastPressCompleted() const { return completed_; }
  // Clear: all 21 fields empty; the form-level values stay.
  void Command3_Click();
  // The focus left the sub-reflector diameter: STOP becomes half of it.
  void Text3_LostFocus();

 private:
  FieldSet fields_;
  FormValues values_;
  bool completed_ = false;
};

}  // namespace velmora
