// The numeric loop and its pass count: the accumulated additions decide the last pass.

#include "numeric_loop.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "calc_error.h"

namespace velmora {
namespace {

// The run is cut after kCut values so that an endless loop shows as kCut passes.
constexpr std::size_t kCut = 100;
struct StopRunning {};

struct LoopCase {
  const char* start;
  const char* end;
  const char* step;
  std::size_t passes;                  // values the loop runs through, at most kCut
  double last;                         // the last of them
  std::optional<std::size_t> planned;  // the count before the run, limit kCut
};

TEST(numeric_loop, passes_follow_the_accumulated_value) {
  const LoopCase cases[] = {
      {"0", "35", "1", 36, 35.0, 36},
      {"0", "1", "0.1", 11, 0.9999999999999999, 11},
      {"0", "0.3", "0.1", 3, 0.2, 3},
      {"5", "0", "-1", 6, 0.0, 6},
      {"5", "0", "1", 0, 0.0, 0},
      {"0", "35", "2", 18, 34.0, 18},
      // STEP 0 never leaves START: the plan refuses it before a pass.
      {"1", "1", "0", kCut, 1.0, std::nullopt},
  };
  for (const auto& c : cases) {
    const LoopBounds bounds = ReadLoopBounds(c.start, c.end, c.step);
    std::vector<double> values;
    try {
      RunNumericLoop(bounds, [&values](double v) {
        values.push_back(v);
        if (values.size() == kCut) throw StopRunning{};
      });
    } catch (const StopRunning&) {
    }
    const std::string name = std::string(c.start) + ".." + c.end + " by " + c.step;
    EXPECT_EQ(values.size(), c.passes) << name;
    EXPECT_EQ(values.empty() ? 0.0 : values.back(), c.last) << name;
    EXPECT_EQ(CountLoopPasses(bounds, kCut), c.planned) << name;
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
