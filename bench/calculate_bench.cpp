// A whole Calculate on the start-up inputs, with profile tables from the default 36 rows up to the
// largest table the calculator accepts. The time should grow with the row count and nothing else.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "calculator.h"
#include "field_set.h"

namespace {

using velmora::FieldId;

// Every profile row is two 7-character cells, one blank and CR LF.
constexpr std::size_t kRowBytes = 17;
// START 0, STOP 35, STEP 1 after Form_Load.
constexpr std::int64_t kDefaultRows = 36;

void BM_Calculate(benchmark::State& state) {
  const std::int64_t rows = state.range(0);
  velmora::Calculator calc;
  calc.Form_Load();
  if (rows != kDefaultRows) {
    // START 1, STOP N, STEP 1 runs exactly N times.
    calc.Fields().StoreUserText(FieldId::Text17, "1");
    calc.Fields().StoreUserText(FieldId::Text18, std::to_string(rows));
    calc.Fields().StoreUserText(FieldId::Text19, "1");
  }

  // A calculation that stops early is silent, so make sure this one builds the whole table and
  // reaches the last step before timing it.
  calc.Command1_Click();
  const std::string& table = calc.Fields().Text(FieldId::Text15);
  const auto expected = static_cast<std::size_t>(rows) * kRowBytes;
  if (table.size() != expected) {
    state.SkipWithError(("Text15 holds " + std::to_string(table.size()) + " bytes, expected " +
                         std::to_string(expected))
                            .c_str());
    return;
  }
  if (calc.Fields().Text(FieldId::Text21).empty()) {
    state.SkipWithError("the calculation stopped before the feed placement (Text21 is empty)");
    return;
  }

  for (auto _ : state) {
    calc.Command1_Click();
    benchmark::DoNotOptimize(calc.Fields().Text(FieldId::Text15).data());
    benchmark::ClobberMemory();
  }

  if (calc.Fields().Text(FieldId::Text15).size() != expected) {
    state.SkipWithError("the table changed size between calculations");
    return;
  }
  state.SetItemsProcessed(state.iterations() * rows);
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_Calculate)
    ->Arg(kDefaultRows)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
