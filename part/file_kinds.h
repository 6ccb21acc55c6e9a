#pragma once

// The files a design is saved as, and the bytes of every one the part writers make: all but the
// PDF, which the design sheet paints. The choices a file takes default to the part writers' own.

#include <optional>
#include <string>
#include <string_view>

#include "design.h"
#include "main_profile_csv.h"
#include "main_reflector_stl.h"
#include "solid_options.h"

namespace velmora::part {

enum class PartFile { Pdf, Dxf, Csv, Stl, MainDxf, MainCsv, MainStl, AssemblyDxf };

// A reflector's solid: a shell of this thickness, its turn cut into this many facets; by default
// the part writers' own, the sub-reflector's.
struct StlParameters {
  double thicknessMm = SolidOptions{}.thickness;
  int facetsPerTurn = SolidOptions{}.facetsPerTurn;
};

// What the user chose for the files that take a choice.
struct FileOptions {
  StlParameters subSolid;
  StlParameters mainShell{.thicknessMm = kMainSolidOptions.thickness,
                          .facetsPerTurn = kMainSolidOptions.facetsPerTurn};
  double mainProfileStepMm = kMainCsvDefaultStepMm;
};

// The file's bytes; nothing for the PDF. `table` is the profile table as Text15 holds it. Throws
// as the kind's writer: CalcError where the design makes no such part, TooManyPoints where a
// curve is beyond the sampling rule's cap, std::invalid_argument for a choice it refuses.
std::optional<std::string> PartFileBytes(PartFile kind, const Design& design,
                                         std::string_view table, const FileOptions& options);

}  // namespace velmora::part
