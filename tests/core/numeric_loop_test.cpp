// The numeric loop and its pass count: the accumulated additions decide the last pass.

#include "numeric_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "calc_error.h"

namespace velmora {
namespace {

struct LoopCase {
  const char* start;
  const char* end;
  const char* step;
  std::size_t passes;
  double last;
};

TEST(numeric_loop, passes_follow_the_accumulated_value) {
  const LoopCase cases[] = {
      {"0", "35", "1", 36, 35.0},  {"0", "1", "0.1", 11, 0.9999999999999999},
      {"0", "0.3", "0.1", 3, 0.2}, {"5", "0", "-1", 6, 0.0},
      {"5", "0", "1", 0, 0.0},     {"0", "35", "2", 18, 34.0},
      {"1", "1", "0", 1, 1.0},  // runs once before the guard would call it endless
  };
  for (const auto& c : cases) {
    const LoopBounds bounds = ReadLoopBounds(c.start, c.end, c.step);
    if (bounds.step != 0.0) {
      std::vector<double> values;
      RunNumericLoop(bounds, [&values](double v) { values.push_back(v); });
      EXPECT_EQ(values.size(), c.passes) << c.start << ".." << c.end << " by " << c.step;
      if (!values.empty()) {
        EXPECT_EQ(values.back(), c.last);
      }
    }
    if (c.passes > 0 && bounds.step == 0.0) {
      EXPECT_EQ(CountLoopPasses(bounds, 100), std::nullopt);
    } else {
      EXPECT_EQ(CountLoopPasses(bounds, 100), c.passes) << c.start << ".." << c.end;
    }
  }
}

TEST(numeric_loop, bounds_that_are_not_numbers_raise) {
  EXPECT_THROW((void)ReadLoopBounds("", "35", "1"), CalcError);
  EXPECT_THROW((void)ReadLoopBounds("0", "x", "1"), CalcError);
  EXPECT_THROW((void)ReadLoopBounds("0", "35", " "), CalcError);
}

TEST(numeric_loop, count_refuses_beyond_the_limit_exactly) {
  EXPECT_EQ(CountLoopPasses({1, 100, 1}, 100), 100U);
  EXPECT_EQ(CountLoopPasses({0, 100, 1}, 100), std::nullopt);
  EXPECT_EQ(CountLoopPasses({0, 1e9, 1}, 100), std::nullopt);
  EXPECT_EQ(CountLoopPasses({1e20, 2e20, 1}, 100), std::nullopt);
  EXPECT_EQ(CountLoopPasses({-1e300, 1e300, 1e-300}, 100), std::nullopt);
}

TEST(numeric_loop, an_overflowing_step_fails_the_loop_after_the_counted_passes) {
  const double big = 1.7e308;
  const LoopBounds bounds{big, 1.79e308, 1e308};
  EXPECT_EQ(CountLoopPasses(bounds, 100), 1U);
  int passes = 0;
  EXPECT_THROW(RunNumericLoop(bounds, [&passes](double) { ++passes; }), CalcError);
  EXPECT_EQ(passes, 1);
}

}  // namespace
}  // namespace velmora
