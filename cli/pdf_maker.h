#pragma once

// The program's way to the PDF maker (design_pdf.h): on Linux its module is looked for beside
// the program (a build tree) and at its installed place, and loaded at the first PDF only.

#include <optional>
#include <string>

#include "electrical_figures.h"
#include "field_set.h"

namespace velmora::cli {

class PdfMaker {
 public:
  // With a frequency, the sheet carries the electrical figures at it.
  explicit PdfMaker(const std::optional<part::ElectricalInputs>& electrical)
      : electrical_(electrical) {}
  PdfMaker(const PdfMaker&) = delete;
  PdfMaker& operator=(const PdfMaker&) = delete;
  ~PdfMaker();

  // The PDF of the completed design the fields hold, for the file at `path`. Throws CalcError or
  // TooManyPoints where the design cannot be drawn, CliFailure (exit 3) where the maker cannot
  // be loaded.
  std::string Make(const FieldSet& fields, const std::string& path);

 private:
  using MakeFunction = int (*)(const FieldSet&, const part::ElectricalInputs*, std::string&);
  using DoneFunction = void (*)();
  void Load(const std::string& path);
  std::optional<part::ElectricalInputs> electrical_;
  MakeFunction make_ = nullptr;
  DoneFunction done_ = nullptr;
};

}  // namespace velmora::cli
