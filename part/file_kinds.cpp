#include "file_kinds.h"

#include "assembly_dxf.h"
#include "profile_csv.h"
#include "section_dxf.h"
#include "sub_reflector_stl.h"

namespace velmora::part {
namespace {

SolidOptions Solid(const StlParameters& stl) {
  return {.thickness = stl.thicknessMm, .facetsPerTurn = stl.facetsPerTurn};
}

}  // namespace

std::optional<std::string> PartFileBytes(PartFile kind, const Design& design,
                                         std::string_view table, const FileOptions& options) {
  switch (kind) {
    case PartFile::Pdf:
      return std::nullopt;
    case PartFile::Dxf:
      return SectionDxf(design);
    case PartFile::Csv:
      return ProfileCsv(table);
    case PartFile::Stl:
      return SubReflectorStl(design, Solid(options.subSolid));
    case PartFile::MainDxf:
      return MainSectionDxf(design);
    case PartFile::MainCsv:
      return MainProfileCsv(design, options.mainProfileStepMm);
    case PartFile::MainStl:
      return MainReflectorStl(design, Solid(options.mainShell));
    case PartFile::AssemblyDxf:
      return AssemblyDxf(design);
  }
  return std::nullopt;
}

}  // namespace velmora::part
