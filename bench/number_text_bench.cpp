// The conversions a profile row pays for: two display patterns and two cells per row, and the
// general text and ToNumber that the geometry steps use between their fields. Each iteration runs
// over the same small set of typical values, so items/s is conversions per second.

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "number_text.h"

namespace {

// Radii and depths of a table, geometry results, and a value whose 15 digits round up to 1.
constexpr std::array kValues{
    159.951, 20.1653017388329, 3.740116961496219, 0.9999999999999999, 35.0, 7.01356415,
    0.004,   999999.0};

// Field texts as the calculator writes and reads them back.
constexpr std::array<std::string_view, 8> kTexts{"159.951",
                                                 "20.1653017388329",
                                                 "3.740116961496219",
                                                 "0.9999999999999999",
                                                 "35",
                                                 "7.01356415",
                                                 "0.4323",
                                                 "370"};

// The cells of a table: short texts are padded, the longest is cut.
constexpr std::array<std::string_view, 4> kCellTexts{"0.00", "3.740", "1234.567", "999999.00"};

void BM_GeneralText(benchmark::State& state) {
  for (auto _ : state) {
    for (const double value : kValues) {
      std::string text = velmora::GeneralText(value);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(BM_GeneralText);

void BM_PatternText(benchmark::State& state, velmora::DisplayPattern pattern) {
  for (auto _ : state) {
    for (const double value : kValues) {
      std::string text = velmora::PatternText(value, pattern);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK_CAPTURE(BM_PatternText, three_decimals, velmora::kThreeDecimals);
BENCHMARK_CAPTURE(BM_PatternText, two_decimals, velmora::kTwoDecimals);

void BM_ToNumber(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string_view text : kTexts) {
      double value = velmora::ToNumber(text);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(BM_ToNumber);

void BM_RightCell(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string_view text : kCellTexts) {
      std::string cell = velmora::RightCell(text);
      benchmark::DoNotOptimize(cell.data());
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kCellTexts.size()));
}
BENCHMARK(BM_RightCell);

}  // namespace
