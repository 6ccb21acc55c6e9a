// The sub-reflector profile table: the default 36 rows character for character, the ranges that
// break a naive loop, the failures that lose the table, and the guard against endless tables.

#include "profile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "calc_error.h"
#include "calculator_fixture.h"

namespace velmora::testing {
namespace {

using enum FieldId;

std::vector<std::string> Rows(const std::string& table) {
  std::vector<std::string> rows;
  std::size_t pos = 0;
  while (pos < table.size()) {
    const auto end = table.find("\r\n", pos);
    if (end == std::string::npos) {
      rows.push_back(table.substr(pos) + "<no CR LF>");
      break;
    }
    rows.push_back(table.substr(pos, end - pos));
    pos = end + 2;
  }
  return rows;
}

class ProfileTest : public CalculatorTest {
 protected:
  void Range(const char* start, const char* stop, const char* step) {
    Set(Text17, start);
    Set(Text18, stop);
    Set(Text19, step);
  }
  std::vector<std::string> TableRows() const { return Rows(Text(Text15)); }
};

TEST_F(ProfileTest, default_range_gives_the_worked_table) {
  calc.Command1_Click();
  const std::string& table = Text(Text15);
  EXPECT_EQ(table.size(), 612U);
  const auto rows = TableRows();
  ASSERT_EQ(rows.size(), 36U);
  const std::pair<int, const char*> samples[] = {
      {0, "   0.00   0.000"},  {1, "   1.00   0.004"},  {2, "   2.00   0.015"},
      {3, "   3.00   0.035"},  {10, "  10.00   0.377"}, {17, "  17.00   1.040"},
      {30, "  30.00   2.887"}, {32, "  32.00   3.221"}, {33, "  33.00   3.391"},
      {34, "  34.00   3.565"}, {35, "  35.00   3.740"},
  };
  for (const auto& [radius, row] : samples) EXPECT_EQ(rows[static_cast<std::size_t>(radius)], row);
  EXPECT_EQ(table.substr(table.size() - 2), "\r\n");
  EXPECT_EQ(*calc.Values().VertexOrdinate, 7.01356415);
  EXPECT_EQ(*calc.Values().RowRadius, 35.0);
  EXPECT_EQ(*calc.Values().RowDepth, 3.740116961496219);
  // The row's texts and cells keep those of the last row.
  EXPECT_EQ(calc.Values().RadiusText, "35.00");
  EXPECT_EQ(calc.Values().RadiusCell, "  35.00");
  EXPECT_EQ(calc.Values().DepthText, "3.740");
  EXPECT_EQ(calc.Values().DepthCell, "  3.740");
  EXPECT_EQ(calc.Values().ProfileText, table);
}

struct RangeCase {
  const char* name;
  const char* start;
  const char* stop;
  const char* step;
  std::size_t rows;
  std::vector<std::pair<std::size_t, const char*>> samples;  // row index, text
};

TEST_F(ProfileTest, ranges) {
  const RangeCase cases[] = {
      {"START beyond STOP: no row", "40", "35", "1", 0, {}},
      {"STEP 2: 35 falls between two loop values",
       "0",
       "35",
       "2",
       18,
       {{0, "   0.00   0.000"}, {17, "  34.00   3.565"}}},
      {"a negative STEP runs down",
       "35",
       "0",
       "-1",
       36,
       {{0, "  35.00   3.740"}, {35, "   0.00   0.000"}}},
      {"a negative START: depth does not depend on the sign",
       "-2",
       "2",
       "1",
       5,
       {{0, "  -2.00   0.015"},
        {1, "  -1.00   0.004"},
        {2, "   0.00   0.000"},
        {3, "   1.00   0.004"},
        {4, "   2.00   0.015"}}},
      {"0..1 by 0.1: the accumulated 0.9999999999999999 still makes a row",
       "0",
       "1",
       "0.1",
       11,
       {{3, "   0.30   0.000"}, {10, "   1.00   0.004"}}},
      {"0..0.3 by 0.1: the fourth value is above 0.3", "0", "0.3", "0.1", 3, {}},
      {"10000: both cells keep their first seven characters",
       "10000",
       "10000",
       "1",
       1,
       {{0, "10000.0 2322.07"}}},
      {"a single row at START = STOP", "35", "35", "0.5", 1, {{0, "  35.00   3.740"}}},
  };
  for (const auto& c : cases) {
    Set(Text15, "a table of an earlier press");
    Range(c.start, c.stop, c.step);
    calc.Command1_Click();
    const auto rows = TableRows();
    EXPECT_EQ(rows.size(), c.rows) << c.name;
    for (const auto& [index, text] : c.samples) {
      ASSERT_LT(index, rows.size()) << c.name;
      EXPECT_EQ(rows[index], text) << c.name;
    }
    EXPECT_EQ(Text(Text15).size(), 17 * c.rows) << c.name;
    // The placement distances follow the table whatever its length.
    EXPECT_EQ(Text(Text20), "37.93") << c.name;
    EXPECT_EQ(Text(Text21), "98.11") << c.name;
  }
}

// A failing table keeps Text15, Text20 and Text21 as they were before the press.
struct FailureCase {
  const char* name;
  std::vector<std::pair<FieldId, const char*>> typed;
};

TEST_F(ProfileTest, failures_keep_the_previous_table_and_distances) {
  const FailureCase cases[] = {
      {"STEP not a number", {{Text19, "x"}}},
      {"STOP empty", {{Text18, ""}}},
      {"START with a unit", {{Text17, "0mm"}}},
      {"a radius whose square overflows",
       {{Text17, "1e200"}, {Text18, "2e200"}, {Text19, "1e200"}}},
  };
  for (const auto& c : cases) {
    Calculator fresh;
    fresh.Form_Load();
    fresh.Fields().StoreUserText(Text15, "kept");
    fresh.Fields().StoreUserText(Text20, "kept B");
    fresh.Fields().StoreUserText(Text21, "kept A");
    for (const auto& [field, text] : c.typed) fresh.Fields().StoreUserText(field, text);
    fresh.Command1_Click();
    EXPECT_EQ(fresh.Fields().Text(Text14), "906.793409") << c.name;
    EXPECT_EQ(fresh.Fields().Text(Text15), "kept") << c.name;
    EXPECT_EQ(fresh.Fields().Text(Text20), "kept B") << c.name;
    EXPECT_EQ(fresh.Fields().Text(Text21), "kept A") << c.name;
  }
}

TEST(profile_table, a_zero_conjugate_axis_fails_at_the_vertex_ordinate) {
  // No typed antenna gives a b^2 of exactly 0, so the table step runs on its own here.
  FieldSet fields;
  FormValues values;
  fields.Write(Text13, "7.01356415");
  fields.Write(Text14, "0");
  fields.Write(Text15, "kept");
  fields.Write(Text17, "0");
  fields.Write(Text18, "35");
  fields.Write(Text19, "1");
  EXPECT_THROW(BuildProfileTable(fields, values), CalcError);
  EXPECT_EQ(fields.Text(Text15), "kept");
  EXPECT_FALSE(values.VertexOrdinate.has_value());
  EXPECT_FALSE(values.RowRadius.has_value());
}

TEST(profile_table, a_negative_conjugate_axis_fails_at_the_first_radius_beyond_it) {
  // |a| greater than c gives a negative b^2; the square root fails once Y^2 exceeds |b^2|, and
  // the rows before it are lost.
  FieldSet fields;
  FormValues values;
  fields.Write(Text13, "7");
  fields.Write(Text14, "-4");
  fields.Write(Text15, "kept");
  fields.Write(Text17, "0");
  fields.Write(Text18, "35");
  fields.Write(Text19, "1");
  values.ProfileText = "a table of an earlier press";  // the table starts its own text
  EXPECT_THROW(BuildProfileTable(fields, values), CalcError);
  EXPECT_EQ(fields.Text(Text15), "kept");
  EXPECT_EQ(values.RowRadius, 3.0);  // 2^2 = |b^2| still gives a row
  EXPECT_EQ(values.ProfileText->size(), 3U * 17U);
  // The texts and cells are those of the last row built, radius 2 with its depth 0 - 7.
  EXPECT_EQ(values.RadiusCell, "   2.00");
  EXPECT_EQ(values.DepthText, "-7.000");
  EXPECT_EQ(values.DepthCell, " -7.000");
}

struct GuardCase {
  const char* name;
  const char* start;
  const char* stop;
  const char* step;
};

TEST_F(ProfileTest, guard_refuses_endless_or_huge_tables_before_any_row) {
  const GuardCase cases[] = {
      {"STEP 0", "0", "35", "0"},
      {"a STEP that does not move the radius", "1e20", "2e20", "1"},
      {"a tiny STEP over a long range", "0", "35", "1e-300"},
      {"1,000,001 rows", "0", "1000000", "1"},
      {"a negative STEP that does not move the radius", "1e20", "0", "-1"},
  };
  for (const auto& c : cases) {
    Calculator fresh;
    fresh.Form_Load();
    fresh.Fields().StoreUserText(Text15, "kept");
    fresh.Fields().StoreUserText(Text17, c.start);
    fresh.Fields().StoreUserText(Text18, c.stop);
    fresh.Fields().StoreUserText(Text19, c.step);
    const auto began = std::chrono::steady_clock::now();
    fresh.Command1_Click();
    const auto took = std::chrono::steady_clock::now() - began;
    EXPECT_EQ(fresh.Fields().Text(Text15), "kept") << c.name;
    EXPECT_EQ(fresh.Fields().Text(Text20), "") << c.name;
    EXPECT_EQ(fresh.Fields().Text(Text21), "") << c.name;
    EXPECT_FALSE(fresh.Values().RowRadius.has_value()) << c.name << ": a row was built";
    EXPECT_EQ(fresh.Values().ProfileText, std::string()) << c.name;
    EXPECT_LT(took, std::chrono::seconds(2)) << c.name;
  }
}

TEST_F(ProfileTest, guard_lets_exactly_the_limit_through) {
  Range("1", "1000000", "1");
  calc.Command1_Click();
  EXPECT_EQ(Text(Text15).size(), 17U * 1'000'000U);
  EXPECT_EQ(Text(Text20), "37.93");
}

TEST_F(ProfileTest, edited_a_and_b2_have_no_effect) {
  calc.Command1_Click();
  const std::string table = Text(Text15);
  Set(Text13, "1");
  Set(Text14, "0");
  calc.Command1_Click();
  EXPECT_EQ(Text(Text15), table);
}

}  // namespace
}  // namespace velmora::testing
