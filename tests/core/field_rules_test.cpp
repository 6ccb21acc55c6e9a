// The start-up defaults, Clear and the STOP rule on the sub-reflector diameter.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_fixture.h"

namespace velmora::testing {
namespace {

using enum FieldId;

class FieldRulesTest : public CalculatorTest {};

TEST_F(FieldRulesTest, start_up_texts) {
  const std::vector<std::string> expected = {"370", "0.4323", "70", "0.686", "",  "", "",
                                             "",    "",       "",   "",      "",  "", "",
                                             "",    "",       "0",  "35",    "1", "", ""};
  EXPECT_EQ(Snapshot(), expected);
}

TEST_F(FieldRulesTest, start_up_writes_every_field_in_its_order) {
  Calculator fresh;
  std::vector<FieldId> order;
  fresh.Fields().SetObserver([&order](FieldId id, const std::string&) { order.push_back(id); });
  // Text built into a field before the load must not survive it.
  for (int n = 1; n <= kFieldCount; ++n) fresh.Fields().StoreUserText(FieldAt(n), "stale");
  fresh.Form_Load();
  std::vector<FieldId> expected = {Text1, Text2, Text3, Text4};
  for (int n = 5; n <= 16; ++n) expected.push_back(FieldAt(n));
  expected.insert(expected.end(), {Text20, Text21, Text17, Text18, Text19});
  EXPECT_EQ(order, expected);
  EXPECT_EQ(fresh.Fields().Text(Text15), "");
}

TEST_F(FieldRulesTest, clear_empties_all_fields_and_keeps_form_values) {
  calc.Command1_Click();
  const FormValues before = calc.Values();
  for (int twice = 0; twice < 2; ++twice) {
    calc.Command3_Click();
    EXPECT_EQ(Snapshot(), std::vector<std::string>(kFieldCount));
    EXPECT_EQ(calc.Values().ProfileText, before.ProfileText);
    EXPECT_EQ(calc.Values().FocalLength, before.FocalLength);
    EXPECT_EQ(calc.Values().RowRadius, before.RowRadius);
  }
}

struct StopCase {
  const char* diameter;
  const char* stopBefore;
  const char* stopAfter;
};

TEST_F(FieldRulesTest, stop_rule_takes_the_exact_half) {
  const StopCase cases[] = {
      {"75", "35", "37.5"},  // the exact half, not its integer part
      {"70", "12", "35"},    // overwrites a STOP the user typed
      {"71", "35", "35.5"},  {"70.5", "35", "35.25"},
      {"-70", "35", "-35"},  // no sign check
      {"0", "35", "0"},      {" 70 ", "1", "35"},
      {"", "12", "12"},     // an empty diameter leaves STOP
      {"abc", "12", "12"},  // not a number: the rule ends silently
      {" ", "12", "12"},     {"70mm", "12", "12"},
      {"1e309", "12", "12"},
  };
  for (const auto& c : cases) {
    Set(Text3, c.diameter);
    Set(Text18, c.stopBefore);
    writes.clear();
    EXPECT_NO_THROW(calc.Text3_LostFocus());
    EXPECT_EQ(Text(Text18), c.stopAfter) << "Text3 \"" << c.diameter << "\"";
    for (const auto& [id, text] : writes) EXPECT_EQ(id, Text18);
  }
}

TEST_F(FieldRulesTest, stop_rule_feeds_the_next_table) {
  Set(Text3, "75");
  calc.Text3_LostFocus();
  calc.Command1_Click();
  const std::string& table = Text(Text15);
  EXPECT_EQ(table.substr(table.size() - 17, 7), "  37.00");
}

}  // namespace
}  // namespace velmora::testing
