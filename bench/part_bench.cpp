// Each part file of the start-up design, made as the window's save commands make it: from the
// fields of a completed calculation to the file's bytes. Each should take well under 200 ms.

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "assembly_dxf.h"
#include "calculator.h"
#include "design.h"
#include "main_profile_csv.h"
#include "main_reflector_stl.h"
#include "profile_csv.h"
#include "section_dxf.h"
#include "sub_reflector_stl.h"

namespace {

velmora::Calculator Calculated() {
  velmora::Calculator calc;
  calc.Form_Load();
  calc.Command1_Click();
  return calc;
}

// The design of the start-up inputs, or an error on the state when the calculation stopped.
std::optional<velmora::part::Design> StartUpDesign(benchmark::State& state) {
  auto design = velmora::part::ReadDesign(Calculated().Fields());
  if (!design) state.SkipWithError("the start-up calculation did not complete");
  return design;
}

void BM_SectionDxf(benchmark::State& state) {
  const auto design = StartUpDesign(state);
  if (!design) return;
  for (auto _ : state) {
    std::string dxf = velmora::part::SectionDxf(*design);
    benchmark::DoNotOptimize(dxf.data());
  }
}
BENCHMARK(BM_SectionDxf)->Unit(benchmark::kMillisecond);

void BM_ProfileCsv(benchmark::State& state) {
  const velmora::Calculator calc = Calculated();
  const std::string& table = calc.Fields().Text(velmora::FieldId::Text15);
  for (auto _ : state) {
    std::string csv = velmora::part::ProfileCsv(table);
    benchmark::DoNotOptimize(csv.data());
  }
}
BENCHMARK(BM_ProfileCsv)->Unit(benchmark::kMillisecond);

void BM_SubReflectorStl(benchmark::State& state) {
  const auto design = StartUpDesign(state);
  if (!design) return;
  const velmora::part::SolidOptions options{.thickness = 3.0,
                                            .facetsPerTurn = static_cast<int>(state.range(0))};
  for (auto _ : state) {
    std::string stl = velmora::part::SubReflectorStl(*design, options);
    benchmark::DoNotOptimize(stl.data());
  }
}
BENCHMARK(BM_SubReflectorStl)->Arg(360)->Arg(3600)->Unit(benchmark::kMillisecond);

void BM_MainSectionDxf(benchmark::State& state) {
  const auto design = StartUpDesign(state);
  if (!design) return;
  for (auto _ : state) {
    std::string dxf = velmora::part::MainSectionDxf(*design);
    benchmark::DoNotOptimize(dxf.data());
  }
}
BENCHMARK(BM_MainSectionDxf)->Unit(benchmark::kMillisecond);

// The profile at the default 5 mm, and at 0.01 mm as for a CNC table.
void BM_MainProfileCsv(benchmark::State& state) {
  const auto design = StartUpDesign(state);
  if (!design) return;
  const double step = static_cast<double>(state.range(0)) / 100.0;
  for (auto _ : state) {
    std::string csv = velmora::part::MainProfileCsv(*design, step);
    benchmark::DoNotOptimize(csv.data());
  }
}
BENCHMARK(BM_MainProfileCsv)->Arg(500)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MainReflectorStl(benchmark::State& state) {
  const auto design = StartUpDesign(state);
  if (!design) return;
  velmora::part::SolidOptions options = velmora::part::kMainSolidOptions;
  options.facetsPerTurn = static_cast<int>(state.range(0));
  for (auto _ : state) {
    std::string stl = velmora::part::MainReflectorStl(*design, options);
    benchmark::DoNotOptimize(stl.data());
  }
}
BENCHMARK(BM_MainReflectorStl)->Arg(360)->Unit(benchmark::kMillisecond);

void BM_AssemblyDxf(benchmark::State& state) {
  const auto design = StartUpDesign(state);
  if (!design) return;
  for (auto _ : state) {
    std::string dxf = velmora::part::AssemblyDxf(*design);
    benchmark::DoNotOptimize(dxf.data());
  }
}
BENCHMARK(BM_AssemblyDxf)->Unit(benchmark::kMillisecond);

}  // namespace
