// The reflector geometry: the worked example of the default antenna, the rounding chain, and where
// the calculation stops at the edges of its inputs.

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "calc_error.h"
#include "calculator_fixture.h"
#include "number_text.h"

namespace velmora::testing {
namespace {

using enum FieldId;

// The shortest decimal that reads back as the double, to compare form-level values exactly.
std::string Shortest(double x) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
  return {buffer, result.ptr};
}

class GeometryTest : public CalculatorTest {};

TEST_F(GeometryTest, default_antenna_writes_every_field_in_order_with_its_texts) {
  calc.Command1_Click();
  // Each write as the field holds it: the general text (cut to 10 characters in Text8..Text14),
  // then for the patterned fields their display text.
  const std::vector<Write> expected = {
      {Text5, "159.951"},           {Text5, "159.951"},
      {Text6, "120.16364259306"},   {Text6, "120.164"},
      {Text7, "80.0933992488882"},  {Text7, "80.093"},
      {Text16, "53.4929447143188"}, {Text16, "53.493"},
      {Text8, "20.1653017"},        {Text9, "41.6726638"},
      {Text10, "30.9189827"},       {Text11, "54.4206846"},
      {Text12, "40.3935563"},       {Text13, "7.01356415"},
      {Text14, "906.793409"},       {Text15, calc.Fields().Text(Text15)},
      {Text20, "37.9325469"},       {Text20, "37.93"},
      {Text21, "98.1130343919862"}, {Text21, "98.11"},
  };
  EXPECT_EQ(writes, expected);
}

TEST_F(GeometryTest, default_antenna_form_values_are_the_unrounded_numbers) {
  calc.Command1_Click();
  const FormValues& v = calc.Values();
  EXPECT_EQ(Shortest(*v.FocalLength), "159.951");
  EXPECT_EQ(Shortest(*v.FocusToRim), "20.165301738832866");
  EXPECT_EQ(Shortest(*v.FeedToRim), "41.67266386918088");
  EXPECT_EQ(Shortest(*v.HalfFocalSpan), "30.91898275");
  EXPECT_EQ(Shortest(*v.SemiAxisA), "7.0135641500000006");
  // The uncut general texts of the cut fields.
  EXPECT_EQ(GeneralText(*v.FocusToRim), "20.1653017388329");
  EXPECT_EQ(GeneralText(*v.FeedToRim), "41.6726638691809");
  EXPECT_EQ(GeneralText(*v.HalfFocalSpan), "30.91898275");
  EXPECT_EQ(GeneralText(*v.SemiAxisA), "7.01356415");
}

TEST_F(GeometryTest, rounding_chain_uses_the_three_decimal_angle) {
  calc.Command1_Click();
  // From the unrounded angle 120.16364259306 it would be 20.1654470.
  EXPECT_EQ(Text(Text8), "20.1653017");
}

struct InputCase {
  const char* name;
  FieldId field;
  const char* text;
  std::vector<std::pair<FieldId, const char*>> expected;
};

TEST_F(GeometryTest, edge_inputs_that_complete) {
  const InputCase cases[] = {
      {"F/D 0.25: the tangent of 1.57, not of pi/2",
       Text2,
       "0.25",
       {{Text5, "92.500"},
        {Text6, "180.000"},
        {Text8, "0.02787144"},
        {Text10, "20.8502676"},
        {Text13, "9.7103368"},
        {Text14, "340.443018"},
        {Text20, "30.56"},
        {Text21, "50.80"}}},
      {"d 200: the feed point behind the vertex",
       Text3,
       "200",
       {{Text21, "-16.73"}, {Text20, "108.38"}}},
  };
  for (const auto& c : cases) {
    Calculator fresh;
    fresh.Form_Load();
    std::vector<Write> seen;
    fresh.Fields().SetObserver(
        [&seen](FieldId id, const std::string& t) { seen.emplace_back(id, t); });
    fresh.Fields().StoreUserText(c.field, c.text);
    fresh.Command1_Click();
    for (const auto& [field, text] : c.expected) {
      EXPECT_EQ(fresh.Fields().Text(field), text) << c.name << ", Text" << FieldNumber(field);
    }
    if (c.field == Text2) {
      EXPECT_EQ(seen.at(2), Write(Text6, "180.000152039624")) << c.name;
      EXPECT_EQ(GeneralText(*fresh.Values().FocusToRim), "0.0278714437128117") << c.name;
    } else {
      EXPECT_EQ(seen.back().first, Text21);
      EXPECT_EQ(seen.at(seen.size() - 2), Write(Text21, "-16.7289017371822")) << c.name;
    }
  }
}

struct StopCase {
  FieldId field;
  std::vector<FieldId> written;  // the fields the calculation writes before it stops
  const char* text5;
};

TEST_F(GeometryTest, a_zero_input_stops_at_its_step_keeping_what_was_written) {
  const StopCase cases[] = {
      {Text1, {Text5}, "0.000"},           // step 3: 0 / 0
      {Text2, {Text5}, "0.000"},           // step 3: division by zero
      {Text3, {Text5, Text6}, "159.951"},  // step 4: 0 / 0
      {Text4, {Text5, Text6}, "159.951"},  // step 4: division by zero
  };
  for (const auto& c : cases) {
    Calculator fresh;
    fresh.Form_Load();
    std::vector<FieldId> written;
    fresh.Fields().SetObserver([&written](FieldId id, const std::string&) {
      if (written.empty() || written.back() != id) written.push_back(id);
    });
    fresh.Fields().StoreUserText(c.field, "0");
    fresh.Command1_Click();
    EXPECT_EQ(written, c.written) << "Text" << FieldNumber(c.field) << " \"0\"";
    EXPECT_EQ(fresh.Fields().Text(Text5), c.text5);
    for (const FieldId later : {Text7, Text8, Text14, Text15, Text16, Text20, Text21}) {
      EXPECT_EQ(fresh.Fields().Text(later), "") << "Text" << FieldNumber(later);
    }
  }
}

TEST_F(GeometryTest, after_clear_nothing_changes) {
  calc.Command3_Click();
  writes.clear();
  calc.Command1_Click();
  EXPECT_TRUE(writes.empty());
  EXPECT_EQ(Snapshot(), std::vector<std::string>(kFieldCount));
  EXPECT_EQ(calc.Values().ProfileText, std::string());
}

TEST_F(GeometryTest, a_failure_keeps_the_results_of_a_previous_press) {
  calc.Command1_Click();
  auto expected = Snapshot();
  Set(Text4, "0");
  expected[3] = "0";
  writes.clear();
  calc.Command1_Click();
  EXPECT_EQ(WrittenFields(), (std::vector<FieldId>{Text5, Text6}));
  EXPECT_EQ(Snapshot(), expected);
}

TEST_F(GeometryTest, hand_edited_results_have_no_effect) {
  calc.Command1_Click();
  const auto clean = Snapshot();
  for (int n = 5; n <= 16; ++n) Set(FieldAt(n), "999");
  Set(Text20, "x");
  Set(Text21, "");
  calc.Command1_Click();
  EXPECT_EQ(Snapshot(), clean);
}

TEST_F(GeometryTest, an_input_that_is_not_a_number_stops_at_the_first_read) {
  Set(Text1, "370mm");
  calc.Command1_Click();
  EXPECT_TRUE(writes.empty());
}

TEST_F(GeometryTest, a_cut_exponent_form_loses_its_exponent_or_stops_the_reader) {
  calc.Fields().Write(Text14, "1.4210854715202E-14");
  EXPECT_EQ(Text(Text14), "1.42108547");
  EXPECT_EQ(calc.Fields().Number(Text14), 1.42108547);
  // Cut between the exponent's sign and its digits, the text is no number any more.
  calc.Fields().Write(Text13, "1.234567E-100");
  EXPECT_EQ(Text(Text13), "1.234567E-");
  EXPECT_THROW((void)calc.Fields().Number(Text13), CalcError);
}

}  // namespace
}  // namespace velmora::testing
