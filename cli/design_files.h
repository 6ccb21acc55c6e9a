#pragma once

// The files a design is saved as, each asked for by an option that names it; a file's name may
// hold an input's name in braces, which each design of a sweep fills with its own text.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design_inputs.h"
#include "field_set.h"
#include "file_kinds.h"

namespace velmora::cli {

class PdfMaker;

struct FileOption {
  std::string_view name;  // the option without its dashes
  part::PartFile kind;
};

inline constexpr std::array<FileOption, 8> kFileOptions = {{
    {"pdf", part::PartFile::Pdf},
    {"dxf", part::PartFile::Dxf},
    {"csv", part::PartFile::Csv},
    {"stl", part::PartFile::Stl},
    {"main-dxf", part::PartFile::MainDxf},
    {"main-csv", part::PartFile::MainCsv},
    {"main-stl", part::PartFile::MainStl},
    {"assembly-dxf", part::PartFile::AssemblyDxf},
}};

struct FileRequest {
  FileOption option;
  std::string pattern;  // the file's name as given, braces and all
};

// Refuses (exit 2) a brace that names no input, and, for `manyDesigns`, a name without any.
void CheckNamePattern(const FileRequest& request, bool manyDesigns);

// The design's input texts, as the fields hold them, by the index of kInputNames.
std::array<std::string, kInputNames.size()> InputTextsOf(const FieldSet& fields);

// Writes every requested file of the completed design the fields hold, the PDF by `pdf`. Throws
// CliFailure: exit 1 where the design cannot be drawn, 2 where a writer refuses a choice, 3 where
// a file cannot be written (that file left as it was) or made.
void WriteDesignFiles(const FieldSet& fields, const std::vector<FileRequest>& requests,
                      const part::FileOptions& options, PdfMaker& pdf);

}  // namespace velmora::cli
