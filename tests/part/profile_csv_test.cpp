// The profile table as CSV: the header, the cells without their padding, RFC 4180 quoting of an
// edited table, and the line ends.

#include "profile_csv.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "calculator.h"
#include "main_profile_csv.h"

namespace velmora::part {
namespace {

constexpr const char* kHeader = "Y (mm),X (mm)\r\n";

TEST(profile_csv, tables) {
  struct Case {
    const char* name;
    const char* table;
    std::string csv;  // after the header row
  };
  const Case cases[] = {
      {"empty table", "", ""},
      {"rows", "   0.00   0.000\r\n  10.00   0.377\r\n", "0.00,0.000\r\n10.00,0.377\r\n"},
      {"negative radius", "  -2.00   0.015\r\n", "-2.00,0.015\r\n"},
      {"cells cut to 7 characters", "10000.0 2322.07\r\n", "10000.0,2322.07\r\n"},
      {"line feed alone", "   1.00   0.004\n   2.00   0.015\n", "1.00,0.004\r\n2.00,0.015\r\n"},
      {"last row without line end", "   1.00   0.004", "1.00,0.004\r\n"},
      {"blank line", "   1.00   0.004\r\n\r\n   2.00   0.015\r\n", "1.00,0.004\r\n2.00,0.015\r\n"},
      {"edited: comma and quote", "    1,5  a\"b\r\n", "\"1,5\",\"a\"\"b\"\r\n"},
      {"edited: short line", "   1.00\r\n", "1.00,\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(ProfileCsv(c.table), kHeader + c.csv) << c.name;
}

TEST(profile_csv, the_default_table_row_for_row) {
  Calculator calc;
  calc.Form_Load();
  calc.Command1_Click();
  const std::string csv = ProfileCsv(calc.Fields().Text(FieldId::Text15));
  std::size_t lines = 0;
  for (std::size_t at = csv.find("\r\n"); at != std::string::npos; at = csv.find("\r\n", at + 2)) {
    ++lines;
  }
  EXPECT_EQ(lines, 37U);  // the header and 36 rows
  EXPECT_NE(csv.find("\r\n17.00,1.040\r\n"), std::string::npos);
  EXPECT_TRUE(csv.ends_with("\r\n35.00,3.740\r\n"));
}

TEST(main_profile_csv, refused_steps) {
  Design design;
  design.mainDiameter = 370.0;
  design.focalLength = 159.951;
  const double refused[] = {
      0.0,
      -5.0,
      std::numeric_limits<double>::quiet_NaN(),
      std::numeric_limits<double>::infinity(),
      185.0 / 1'000'000,  // a million steps to the rim, and the rim: one row too many
      std::numeric_limits<double>::denorm_min(),
  };
  for (const double step : refused) {
    EXPECT_THROW(MainProfileCsv(design, step), std::invalid_argument) << step;
  }
  EXPECT_NO_THROW(MainProfileCsv(design, 185.0 / 999'999)) << "a million rows";
}

}  // namespace
}  // namespace velmora::part
