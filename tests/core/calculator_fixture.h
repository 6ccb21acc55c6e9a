#pragma once

// A calculator after its start-up defaults, with every write recorded in order.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "calculator.h"

namespace velmora::testing {

using Write = std::pair<FieldId, std::string>;

class CalculatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calc.Form_Load();
    calc.Fields().SetObserver(
        [this](FieldId id, const std::string& text) { writes.emplace_back(id, text); });
  }

  const std::string& Text(FieldId id) const { return calc.Fields().Text(id); }
  void Set(FieldId id, const std::string& text) { calc.Fields().StoreUserText(id, text); }

  // Every field's text, Text1 first.
  std::vector<std::string> Snapshot() const {
    std::vector<std::string> texts;
    for (int n = 1; n <= kFieldCount; ++n) texts.push_back(Text(FieldAt(n)));
    return texts;
  }

  // The fields written since SetUp, in order, each once.
  std::vector<FieldId> WrittenFields() const {
    std::vector<FieldId> fields;
    for (const auto& [id, text] : writes) {
      if (fields.empty() || fields.back() != id) fields.push_back(id);
    }
    return fields;
  }

  Calculator calc;
  std::vector<Write> writes;
};

}  // namespace velmora::testing
