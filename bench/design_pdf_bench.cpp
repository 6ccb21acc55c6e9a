// The design sheet and templates of the default design written as a PDF file, as the save command
// does it: the content read from the fields, the pages painted, the file written whole. Run with
// --benchmark_repetitions=5 for the median of five.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

#include "app.h"
#include "design_sheet.h"
#include "sheet_content.h"
#include "whole_file.h"

namespace {

void DesignPdfWritten(benchmark::State& state) {
  velmora::Calculator calculator;
  calculator.Form_Load();
  calculator.Command1_Click();
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("velmora-D370-d70.pdf"));
  for (auto _ : state) {
    const auto content =
        velmora::sheet::ReadSheetContent(calculator.Fields(), QDate::currentDate());
    const std::optional<QByteArray> pdf = velmora::sheet::DesignPdf(*content);
    if (!pdf || velmora::ui::WriteWholeFile(path, *pdf)) {
      state.SkipWithError("the PDF was not written");
      return;
    }
    state.counters["bytes"] = static_cast<double>(pdf->size());
  }
}
BENCHMARK(DesignPdfWritten)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // The faces come from the font database; no window is shown.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velmora::ui::ConfigureApplication(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
