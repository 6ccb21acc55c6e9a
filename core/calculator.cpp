#include "calculator.h"

#include <new>

#include "calc_error.h"
#include "field_rules.h"
#include "geometry.h"
#include "profile.h"

namespace velmora {

void Calculator::Form_Load() {
  FillDefaults(fields_);
}

void Calculator::Command1_Click(const TableWatch& table) {
  completed_ = false;
  try {
    values_.ProfileText = std::string();
    RunGeometryThroughConjugateAxis(fields_, values_);
    BuildProfileTable(fields_, values_, table);
    RunFeedPlacement(fields_, values_);
    completed_ = true;
  } catch (const CalcError&) {
    // The calculation ends silently at its first failing step; nothing is undone.
  } catch (const std::bad_alloc&) {
    // Out of memory ends it the same way; only the partial table goes, to give the memory back.
    values_.ProfileText.emplace();
  }
}

void Calculator::Command3_Click() {
  completed_ = false;
  ClearFields(fields_);
}

void Calculator::Text3_LostFocus() {
  FollowSubDiameter(fields_);
}

}  // namespace velmora
