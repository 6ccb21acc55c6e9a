// The reflector geometry: the worked example of the default antenna, the rounding chain, and where
// the calculation stops at the edges of its inputs.

#include <gtest/gtest.h>

#include <algorithm>
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

// The default antenna's profile table, worked out apart from the core (worked_design.py).
constexpr const char* kDefaultTable =
    "   0.00   0.000\r\n   1.00   0.004\r\n   2.00   0.015\r\n   3.00   0.035\r\n"
    "   4.00   0.062\r\n   5.00   0.096\r\n   6.00   0.138\r\n   7.00   0.187\r\n"
    "   8.00   0.243\r\n   9.00   0.307\r\n  10.00   0.377\r\n  11.00   0.453\r\n"
    "  12.00   0.536\r\n  13.00   0.626\r\n  14.00   0.721\r\n  15.00   0.822\r\n"
    "  16.00   0.929\r\n  17.00   1.040\r\n  18.00   1.157\r\n  19.00   1.279\r\n"
    "  20.00   1.406\r\n  21.00   1.537\r\n  22.00   1.672\r\n  23.00   1.812\r\n"
    "  24.00   1.955\r\n  25.00   2.102\r\n  26.00   2.253\r\n  27.00   2.406\r\n"
    "  28.00   2.563\r\n  29.00   2.724\r\n  30.00   2.887\r\n  31.00   3.052\r\n"
    "  32.00   3.221\r\n  33.00   3.391\r\n  34.00   3.565\r\n  35.00   3.740\r\n";

class GeometryTest : public CalculatorTest {};

TEST_F(GeometryTest, default_antenna_writes_every_field_in_order_with_its_texts) {
  calc.Command1_Click();
  // Each write as the field holds it: the general text (cut to 10 characters in Text8..Text14),
  // then for the patterned fields their display text.
  const std::vector<Write> expected = {
      {Text5, "159.951"},           {Text5, "159.951"},          {Text6, "120.16364259306"},
      {Text6, "120.164"},           {Text7, "80.0933992488882"}, {Text7, "80.093"},
      {Text16, "53.4929447143188"}, {Text16, "53.493"},          {Text8, "20.1653017"},
      {Text9, "41.6726638"},        {Text10, "30.9189827"},      {Text11, "54.4206846"},
      {Text12, "40.3935563"},       {Text13, "7.01356415"},      {Text14, "906.793409"},
      {Text15, kDefaultTable},      {Text20, "37.9325469"},      {Text20, "37.93"},
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
  std::vector<Write> generalTexts;  // first writes of patterned fields, in the order written
  const char* focusToRim;           // the general text of the unrounded QF
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
        {Text21, "50.80"}},
       {{Text6, "180.000152039624"}},
       "0.0278714437128117"},
      {"d 200: the feed point behind the vertex",
       Text3,
       "200",
       {{Text21, "-16.73"}, {Text20, "108.38"}},
       {{Text21, "-16.7289017371822"}, {Text21, "-16.73"}},
       "57.6151478252368"},
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
    for (const Write& w : c.generalTexts) {
      EXPECT_NE(std::find(seen.begin(), seen.end(), w), seen.end())
          << c.name << ": Text" << FieldNumber(w.first) << " \"" << w.second << "\"";
    }
    EXPECT_EQ(GeneralText(*fresh.Values().FocusToRim), c.focusToRim) << c.name;
  }
}

// Antennas worked out apart from the core (tests/reference/worked_design.py: Python's doubles,
// its correctly rounded digits and its decimal module), each field's final text.
struct DesignCase {
  const char* name;
  const char* inputs[4];  // D, F/D, d, feed F/D
  std::vector<std::pair<FieldId, const char*>> expected;
  std::vector<std::pair<std::size_t, const char*>> rows;  // table rows of the default range
};

TEST_F(GeometryTest, worked_designs) {
  const DesignCase cases[] = {
      {"D x F/D 1148.5494: steps 3 and 5 read the three-decimal Text5",
       {"3239", "0.3546", "70", "0.686"},
       {{Text5, "1148.549"},
        {Text6, "140.739"},
        {Text7, "80.093"},
        {Text16, "570.890"},
        {Text8, "12.5085073"},
        {Text9, "41.6726638"},
        {Text10, "27.0905855"},
        {Text11, "54.4206846"},
        {Text12, "37.1680340"},
        {Text13, "8.6263253"},
        {Text14, "659.486334"},
        {Text20, "35.72"},
        {Text21, "1094.37"}},
       {}},
      {"D x F/D 557.2672: the dish depth reads the three-decimal Text5",
       {"1777", "0.3136", "70", "0.686"},
       {{Text5, "557.267"}, {Text6, "154.247"}, {Text16, "354.154"}, {Text21, "507.57"}},
       {}},
      {"a feed angle wider than the aperture: a negative a",
       {"2140", "0.4771", "100", "0.436"},
       {{Text5, "1020.994"},
        {Text6, "110.618"},
        {Text7, "119.319"},
        {Text16, "280.340"},
        {Text8, "34.6462282"},
        {Text9, "29.3005183"},
        {Text10, "31.9733732"},
        {Text11, "57.9527426"},
        {Text12, "60.8305937"},
        {Text13, "-1.4389255"},
        {Text14, "1020.22608"},
        {Text20, "30.53"},
        {Text21, "957.05"}},
       // The table starts at the vertex, |a| below the centre, whatever the sign of a.
       {{0, "   0.00   0.000"}, {1, "   1.00   0.001"}, {35, "  35.00   0.696"}}},
      // Steps 17 and 18 read the unrounded form-level values, not the cut or rounded fields:
      // from Text5, Text8 and Text9 (or from 2 x Text10) A would be 1194.32.
      {"F, QF and F'Q unrounded in A",
       {"3361", "0.5055", "592", "0.578"},
       {{Text5, "1698.986"},
        {Text6, "105.261"},
        {Text7, "93.559"},
        {Text16, "415.554"},
        {Text8, "226.277830"},
        {Text9, "278.392669"},
        {Text10, "252.335249"},
        {Text11, "406.347731"},
        {Text12, "372.582416"},
        {Text13, "16.8826575"},
        {Text14, "63388.0537"},
        {Text20, "269.22"},
        {Text21, "1194.31"}},
       {}},
      {"c and a unrounded in B: from Text10 or Text13 it would be 388.99",
       {"1823", "0.3359", "575", "0.862"},
       {{Text10, "270.299480"}, {Text13, "118.695519"}, {Text20, "389.00"}, {Text21, "71.75"}},
       {}},
      {"b^2 from the cut a: from the unrounded a it would be 7635.06849",
       {"4896", "0.4581", "163", "0.878"},
       {{Text10, "92.0413696"}, {Text13, "28.9230914"}, {Text14, "7635.06850"}},
       {}},
  };
  for (const auto& c : cases) {
    Calculator fresh;
    fresh.Form_Load();
    for (int n = 1; n <= 4; ++n) fresh.Fields().StoreUserText(FieldAt(n), c.inputs[n - 1]);
    fresh.Command1_Click();
    for (const auto& [field, text] : c.expected) {
      EXPECT_EQ(fresh.Fields().Text(field), text) << c.name << ", Text" << FieldNumber(field);
    }
    const std::string& table = fresh.Fields().Text(Text15);
    for (const auto& [index, row] : c.rows) {
      EXPECT_EQ(table.substr(index * 17, 15), row) << c.name << ", row " << index;
    }
  }
}

// An overflow stops the calculation at the step that overflows: the fields before it are
// written, the rest keep what they held. b^2 and the rows read cut texts of at most 10
// characters, too short to overflow a square.
struct FailingStepCase {
  const char* name;
  std::vector<std::pair<FieldId, const char*>> inputs;
  std::vector<FieldId> written;
};

TEST_F(GeometryTest, an_overflow_stops_at_its_step) {
  const FailingStepCase cases[] = {
      {"step 1: D x F/D", {{Text1, "1e200"}, {Text2, "1e200"}}, {}},
      {"step 3: T5 x 4", {{Text1, "1e308"}, {Text2, "1.5"}}, {Text5}},
      {"step 4: T3 x 4", {{Text3, "1e308"}}, {Text5, Text6}},
      {"step 5: D x D", {{Text1, "1e200"}, {Text2, "1e-100"}}, {Text5, Text6, Text7}},
      {"step 6: a wide rim over a narrow aperture",
       {{Text2, "1000"}, {Text3, "1e307"}},
       {Text5, Text6, Text7, Text16}},
      // Step 4 bounds d x feed F/D, so F'Q cannot overflow; a feed angle shown as 0.000 divides
      // by zero instead.
      {"step 8: tan of 0.000", {{Text4, "1e6"}}, {Text5, Text6, Text7, Text16, Text8}},
      {"step 18: QF + F'Q",
       {{Text2, "15"}, {Text3, "1e307"}, {Text4, "4"}},
       {Text5, Text6, Text7, Text16, Text8, Text9, Text10, Text11, Text12, Text13, Text14, Text15,
        Text20}},
  };
  for (const auto& c : cases) {
    Calculator fresh;
    fresh.Form_Load();
    for (const auto& [field, text] : c.inputs) fresh.Fields().StoreUserText(field, text);
    // Every write is seen, so the fields not listed keep their text.
    std::vector<FieldId> written;
    fresh.Fields().SetObserver([&written](FieldId id, const std::string&) {
      if (written.empty() || written.back() != id) written.push_back(id);
    });
    fresh.Command1_Click();
    EXPECT_EQ(written, c.written) << c.name;
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
