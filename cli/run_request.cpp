#include "run_request.h"

#include <string_view>

#include "calc_error.h"
#include "cli_failure.h"
#include "design_figures.h"
#include "design_run.h"
#include "figure_output.h"
#include "messages.h"
#include "pdf_maker.h"

namespace velmora::cli {
namespace {

void Print(std::FILE* out, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), out);
}

void RunOne(const Request& request, std::FILE* out, PdfMaker& pdf) {
  DesignRun run;
  RunDesign(request.inputs, run);
  if (run.stopped) throw CliFailure{Exit::CalculationStopped, StoppedMessage(*run.stopped)};
  const FieldSet& fields = run.calculator.Fields();
  std::string results;
  if (request.output != Output::Table) {
    std::vector<Figure> figures;
    try {
      figures = ReadFigures(fields);
    } catch (const CalcError&) {
      throw CliFailure{Exit::CalculationStopped, Say(phrase::kNoDerived)};
    }
    if (request.electrical) {
      if (auto reason = AddElectricalFigures(figures, fields, *request.electrical)) {
        throw CliFailure{Exit::CalculationStopped, std::move(*reason)};
      }
    }
    results = request.output == Output::Json ? FiguresJson(figures) : FiguresText(figures);
  }
  // The files first: a run that cannot write one prints no results.
  WriteDesignFiles(fields, request.files, request.fileOptions, pdf);
  // The table goes out from the field's own string: a million rows are not copied first.
  Print(out, request.output == Output::Table ? fields.Text(FieldId::Text15) : results);
}

// Rows are gathered and written in blocks: a sweep of a million designs is one write a few
// thousand rows.
class RowWriter {
 public:
  explicit RowWriter(std::FILE* out) : out_(out) {}
  RowWriter(const RowWriter&) = delete;
  RowWriter& operator=(const RowWriter&) = delete;
  ~RowWriter() { Flush(); }
  void Add(std::string_view row) {
    pending_ += row;
    if (pending_.size() >= kBlock) Flush();
  }
  void Flush() {
    Print(out_, pending_);
    pending_.clear();
  }

 private:
  static constexpr std::size_t kBlock = 1 << 16;
  std::FILE* out_;
  std::string pending_;
};

void RunMany(const Request& request, std::FILE* out, PdfMaker& pdf) {
  // The whole file is read, and refused for any mistake in it, before the first row goes out.
  const std::vector<InputTexts> listed = request.designsPath
                                             ? ReadDesignsCsv(*request.designsPath, request.inputs)
                                             : std::vector<InputTexts>();
  RowWriter rows(out);
  const bool electrical = request.electrical.has_value();
  rows.Add(SweepHeader(electrical));
  DesignRun run;
  const auto design = [&](const InputTexts& texts) {
    RunDesign(texts, run);
    const FieldSet& fields = run.calculator.Fields();
    if (run.stopped) {
      rows.Add(RefusedRow(InputTextsOf(fields), electrical, StoppedAtText(*run.stopped),
                          StoppedMessage(*run.stopped)));
      return;
    }
    std::vector<Figure> figures;
    try {
      figures = ReadFigures(fields);
    } catch (const CalcError&) {
      rows.Add(RefusedRow(InputTextsOf(fields), electrical, "derived", Say(phrase::kNoDerived)));
      return;
    }
    if (electrical) {
      if (const auto reason = AddElectricalFigures(figures, fields, *request.electrical)) {
        rows.Add(RefusedRow(InputTextsOf(fields), electrical, "electrical", *reason));
        return;
      }
    }
    // A design's files before its row: a failure to write them ends the rows there.
    WriteDesignFiles(fields, request.files, request.fileOptions, pdf);
    rows.Add(SweepRow(figures));
  };
  if (request.designsPath) {
    for (const InputTexts& texts : listed) design(texts);
  } else {
    ForEachCombination(request.sweeps, request.inputs, design);
  }
}

}  // namespace

void RunRequest(const Request& request, std::FILE* out) {
  // Loaded at the first PDF, if any, and let go of when the run ends.
  PdfMaker pdf(request.electrical);
  if (request.ManyDesigns()) {
    RunMany(request, out, pdf);
  } else {
    RunOne(request, out, pdf);
  }
}

}  // namespace velmora::cli
