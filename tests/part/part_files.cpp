// Writes the part files of one design for the read-back tests, as the window would save them:
//   velmora_part_files OUTDIR [NAME=VALUE...]
// NAME is D, FD, d, feedFD (the four inputs), START, STOP, STEP (the table's range), thickness or
// facets (the solids), mainthickness (the main reflector's shell, 2 mm unless given) or mainstep
// (its CSV, 5 mm unless given). The calculator starts from its defaults; a new d moves STOP as
// leaving the field does. Writes the sub-reflector's design.dxf, profile.csv and part.stl, the
// main reflector's main.dxf, main.csv and main.stl, assembly.dxf, the table's text table.txt, and
// fields.txt, one a line, for the readers to compute the expected parts from: the texts of a
// (Text13), b^2 (Text14) and d (Text3), the solid's thickness, the texts of F (Text5), D (Text1),
// B (Text20), A (Text21), 2Θ' (Text7) and QF (Text8), the main CSV's step and the shell's
// thickness.

#include <exception>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "assembly_dxf.h"
#include "calculator.h"
#include "decimal_text.h"
#include "main_profile_csv.h"
#include "main_reflector_stl.h"
#include "profile_csv.h"
#include "section_dxf.h"
#include "sub_reflector_stl.h"

namespace {

using velmora::FieldId;

const std::map<std::string_view, FieldId> kInputs = {
    {"D", FieldId::Text1},      {"FD", FieldId::Text2},     {"d", FieldId::Text3},
    {"feedFD", FieldId::Text4}, {"START", FieldId::Text17}, {"STOP", FieldId::Text18},
    {"STEP", FieldId::Text19},
};

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

struct Options {
  velmora::part::SolidOptions sub;
  velmora::part::SolidOptions main = velmora::part::kMainSolidOptions;
  double mainStep = 5.0;
};

// Applies NAME=VALUE to the fields or the options; false for an unknown name.
bool Apply(std::string_view argument, velmora::Calculator& calc, Options& options) {
  const auto equals = argument.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = argument.substr(0, equals);
  const std::string value(argument.substr(equals + 1));
  if (name == "thickness") {
    options.sub.thickness = std::stod(value);
  } else if (name == "facets") {
    options.sub.facetsPerTurn = options.main.facetsPerTurn = std::stoi(value);
  } else if (name == "mainthickness") {
    options.main.thickness = std::stod(value);
  } else if (name == "mainstep") {
    options.mainStep = std::stod(value);
  } else if (const auto input = kInputs.find(name); input != kInputs.end()) {
    calc.Fields().StoreUserText(input->second, value);
    if (input->second == FieldId::Text3) calc.Text3_LostFocus();
  } else {
    return false;
  }
  return true;
}

int Run(int argc, char** argv) {
  velmora::Calculator calc;
  calc.Form_Load();
  Options options;
  for (int i = 2; i < argc; ++i) {
    if (!Apply(argv[i], calc, options)) {
      std::cerr << "velmora_part_files: unknown argument " << argv[i] << '\n';
      return 2;
    }
  }
  calc.Command1_Click();
  const auto design = velmora::part::ReadDesign(calc.Fields());
  if (!calc.LastPressCompleted() || !design) {
    std::cerr << "velmora_part_files: the calculation did not complete\n";
    return 1;
  }
  const velmora::FieldSet& fields = calc.Fields();
  const std::string dir = argv[1];
  WriteFile(dir + "/design.dxf", velmora::part::SectionDxf(*design));
  WriteFile(dir + "/profile.csv", velmora::part::ProfileCsv(fields.Text(FieldId::Text15)));
  WriteFile(dir + "/part.stl", velmora::part::SubReflectorStl(*design, options.sub));
  WriteFile(dir + "/main.dxf", velmora::part::MainSectionDxf(*design));
  WriteFile(dir + "/main.csv", velmora::part::MainProfileCsv(*design, options.mainStep));
  WriteFile(dir + "/main.stl", velmora::part::MainReflectorStl(*design, options.main));
  WriteFile(dir + "/assembly.dxf", velmora::part::AssemblyDxf(*design));
  WriteFile(dir + "/table.txt", fields.Text(FieldId::Text15));
  std::string lines;
  for (const FieldId id : {FieldId::Text13, FieldId::Text14, FieldId::Text3}) {
    lines += fields.Text(id) + "\n";
  }
  lines += std::to_string(options.sub.thickness) + "\n";
  for (const FieldId id : {FieldId::Text5, FieldId::Text1, FieldId::Text20, FieldId::Text21,
                           FieldId::Text7, FieldId::Text8}) {
    lines += fields.Text(id) + "\n";
  }
  // Exactly the doubles the files were made from, in the shortest text that reads back as them.
  for (const double option : {options.mainStep, options.main.thickness}) {
    velmora::part::AppendDecimal(lines, option);
    lines += "\n";
  }
  WriteFile(dir + "/fields.txt", lines);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: velmora_part_files OUTDIR [NAME=VALUE...]\n";
    return 2;
  }
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "velmora_part_files: " << error.what() << '\n';
    return 1;
  }
}
