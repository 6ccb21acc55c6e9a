#include "design_files.h"

#include <stdexcept>
#include <utility>

#include "calc_error.h"
#include "cli_failure.h"
#include "curve_sampling.h"
#include "messages.h"
#include "pdf_maker.h"
#include "sheet_text.h"
#include "system_files.h"

namespace velmora::cli {
namespace {

// A "{name}" of a file name: where it stands and the name between its braces.
struct BracedName {
  std::size_t begin;
  std::size_t end;  // one past the closing brace
  std::string_view name;
};

// Each brace pair with no brace between them, from the left.
std::vector<BracedName> BracedNames(std::string_view pattern) {
  std::vector<BracedName> names;
  std::size_t from = 0;
  while (true) {
    const std::size_t open = pattern.find('{', from);
    if (open == std::string_view::npos) break;
    const std::size_t close = pattern.find_first_of("{}", open + 1);
    if (close == std::string_view::npos) break;
    from = close;
    if (pattern[close] == '{') continue;
    names.push_back({open, close + 1, pattern.substr(open + 1, close - open - 1)});
    from = close + 1;
  }
  return names;
}

std::string FileName(std::string_view pattern,
                     const std::array<std::string, kInputNames.size()>& texts) {
  std::string name;
  std::size_t from = 0;
  for (const BracedName& braced : BracedNames(pattern)) {
    name += pattern.substr(from, braced.begin - from);
    name += texts.at(InputIndex(braced.name).value());
    from = braced.end;
  }
  name += pattern.substr(from);
  return name;
}

CliFailure CannotMake(const std::string& path, const std::string& reason, Exit exit) {
  return {exit, Say(phrase::kCannotMake, {NativeSeparators(path), reason})};
}

// The bytes of one file of a design that can be drawn.
std::string Bytes(const FileRequest& request, const std::string& path, const FieldSet& fields,
                  const part::Design& design, const part::FileOptions& options, PdfMaker& pdf) {
  try {
    if (request.option.kind == part::PartFile::Pdf) return pdf.Make(fields, path);
    return part::PartFileBytes(request.option.kind, design, fields.Text(FieldId::Text15), options)
        .value();
  } catch (const CalcError&) {
    throw CannotMake(path, Say(phrase::kNoSurface), Exit::CalculationStopped);
  } catch (const TooManyPoints&) {
    throw CannotMake(path, Say(phrase::kTooManyPoints), Exit::CalculationStopped);
  } catch (const std::invalid_argument& refused) {
    throw CannotMake(path, Say(phrase::kWriterRefuses, {refused.what()}), Exit::Usage);
  }
}

}  // namespace

void CheckNamePattern(const FileRequest& request, bool manyDesigns) {
  bool named = false;
  for (const BracedName& braced : BracedNames(request.pattern)) {
    if (!InputIndex(braced.name)) {
      throw CliFailure{Exit::Usage, Say(phrase::kUnknownName,
                                        {request.option.name, request.pattern, braced.name})};
    }
    named = true;
  }
  if (manyDesigns && !named) {
    throw CliFailure{Exit::Usage,
                     Say(phrase::kNeedsPattern, {request.option.name, request.pattern})};
  }
}

std::array<std::string, kInputNames.size()> InputTextsOf(const FieldSet& fields) {
  std::array<std::string, kInputNames.size()> texts;
  for (std::size_t k = 0; k < texts.size(); ++k) texts.at(k) = fields.Text(kInputNames.at(k).field);
  return texts;
}

void WriteDesignFiles(const FieldSet& fields, const std::vector<FileRequest>& requests,
                      const part::FileOptions& options, PdfMaker& pdf) {
  if (requests.empty()) return;
  // A design the sheet can describe (its derived figures numbers) is one the files can be made of.
  const std::optional<sheet::SheetText> sheet = sheet::ReadSheetText(fields);
  const auto texts = InputTextsOf(fields);
  // Every file is made before the first is written, so a design that cannot be drawn writes none.
  std::vector<std::pair<std::string, std::string>> files;
  for (const FileRequest& request : requests) {
    std::string path = FileName(request.pattern, texts);
    if (!sheet) throw CannotMake(path, Say(phrase::kNoSurface), Exit::CalculationStopped);
    std::string bytes = Bytes(request, path, fields, sheet->design, options, pdf);
    files.emplace_back(std::move(path), std::move(bytes));
  }
  for (const auto& [path, bytes] : files) {
    if (const std::optional<std::string> reason = WriteWholeFile(path, bytes)) {
      throw CliFailure{Exit::FileNotWritten,
                       Say(phrase::kCannotWrite, {NativeSeparators(path), *reason})};
    }
  }
}

}  // namespace velmora::cli
