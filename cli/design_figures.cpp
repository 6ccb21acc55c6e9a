#include "design_figures.h"

#include <array>
#include <variant>

#include "calc_error.h"
#include "design.h"
#include "electrical_text.h"
#include "messages.h"
#include "number_text.h"
#include "sheet_text.h"

namespace velmora::cli {
namespace {

using enum FieldId;

struct FieldRow {
  std::string_view key;
  FieldId field;
  const char* caption;  // English
  const char* unit;
};

// In the design sheet's order: the inputs, the range, the results.
constexpr std::array<FieldRow, 20> kFieldRows = {{
    {"main-diameter", Text1, "main reflector diameter D", "mm"},
    {"main-fd", Text2, "main reflector F/D", ""},
    {"sub-diameter", Text3, "sub-reflector diameter d", "mm"},
    {"feed-fd", Text4, "feed F/D", ""},
    {"start", Text17, "profile START", "mm"},
    {"stop", Text18, "profile STOP", "mm"},
    {"step", Text19, "profile STEP", "mm"},
    {"focal-length", Text5, "focal length F", "mm"},
    {"aperture-angle", Text6, "aperture angle 2Θ", "deg"},
    {"dish-depth", Text16, "dish depth", "mm"},
    {"radiation-angle", Text7, "radiation angle 2Θ'", "deg"},
    {"vertex-to-feed", Text21, "A: main reflector vertex to feed point", "mm"},
    {"feed-to-sub-vertex", Text20, "B: feed point to sub-reflector vertex", "mm"},
    {"qf", Text8, "QF", "mm"},
    {"fq", Text9, "F'Q", "mm"},
    {"c", Text10, "OF (c)", "mm"},
    {"fp-feed", Text11, "F'P", "mm"},
    {"fp", Text12, "FP", "mm"},
    {"a", Text13, "OA (a)", "mm"},
    {"b-squared", Text14, "b^2", "mm²"},
}};

struct DerivedRow {
  std::string_view key;
  const char* caption;
  double part::DerivedFigures::*figure;
};

constexpr std::array<DerivedRow, 4> kDerivedRows = {{
    {"eccentricity", "eccentricity e = c / a", &part::DerivedFigures::eccentricity},
    {"magnification", "magnification M = (e + 1) / (e - 1)", &part::DerivedFigures::magnification},
    {"equivalent-fd", "equivalent F/D = M × F/D", &part::DerivedFigures::equivalentFocalRatio},
    {"blockage-ratio", "blockage ratio d / D", &part::DerivedFigures::blockageRatio},
}};

constexpr std::array<std::string_view, kFieldRows.size() + kDerivedRows.size()> kKeys = [] {
  std::array<std::string_view, kFieldRows.size() + kDerivedRows.size()> keys{};
  std::size_t k = 0;
  for (const FieldRow& row : kFieldRows) keys.at(k++) = row.key;
  for (const DerivedRow& row : kDerivedRows) keys.at(k++) = row.key;
  return keys;
}();

}  // namespace

std::vector<std::string_view> FigureKeys(bool electrical) {
  std::vector<std::string_view> keys(kKeys.begin(), kKeys.end());
  if (!electrical) return keys;
  // The rows' keys are the same for every design: any figures give them.
  for (const part::ElectricalRow& row : part::ElectricalRows(part::ElectricalFigures{})) {
    keys.push_back(row.key);
  }
  keys.push_back(part::kSmallSubReflectorKey);
  return keys;
}

std::optional<std::string> AddElectricalFigures(std::vector<Figure>& figures,
                                                const FieldSet& fields,
                                                const part::ElectricalInputs& inputs) {
  const bool japanese = JapaneseSession();
  const std::optional<part::Design> design = part::ReadDesign(fields);
  std::variant<part::ElectricalFigures, part::ElectricalProblem> electrical =
      part::ElectricalProblem::NoFigures;
  if (design) electrical = part::Electrical(*design, inputs);
  if (const auto* problem = std::get_if<part::ElectricalProblem>(&electrical)) {
    return std::string(japanese ? part::JapaneseReason(*problem) : part::EnglishReason(*problem));
  }
  const auto& values = std::get<part::ElectricalFigures>(electrical);
  for (part::ElectricalRow& row : part::ElectricalRows(values)) {
    figures.push_back({row.key, std::string(japanese ? row.japanese : row.english),
                       std::move(row.text), std::string(row.unit), row.value});
  }
  const bool small = values.smallSubReflector;
  figures.push_back({part::kSmallSubReflectorKey,
                     Say(phrase::kSmallSubReflector),
                     small ? "yes" : "no",
                     {},
                     small ? 1.0 : 0.0});
  return std::nullopt;
}

std::vector<Figure> ReadFigures(const FieldSet& fields) {
  const std::optional<sheet::SheetText> sheet = sheet::ReadSheetText(fields);
  if (!sheet) throw CalcError();
  // The sheet's lines stand in the order of the rows above: its captions are the window's.
  std::vector<sheet::TextLine> lines = sheet->inputs;
  for (const auto* part : {&sheet->range, &sheet->results, &sheet->derived}) {
    lines.insert(lines.end(), part->begin(), part->end());
  }
  const bool japanese = JapaneseSession();

  std::vector<Figure> figures;
  figures.reserve(kKeys.size());
  for (const FieldRow& row : kFieldRows) {
    const sheet::TextLine& line = lines.at(figures.size());
    const std::string& text = fields.Text(row.field);
    figures.push_back({row.key, japanese ? line.caption : row.caption, text,
                       japanese ? line.unit : row.unit, ToNumber(text)});
  }
  for (const DerivedRow& row : kDerivedRows) {
    const sheet::TextLine& line = lines.at(figures.size());
    figures.push_back({row.key,
                       japanese ? line.caption : row.caption,
                       line.text,
                       {},
                       sheet->figures.*row.figure});
  }
  return figures;
}

std::string FieldCaption(FieldId field) {
  if (JapaneseSession()) return std::string(sheet::WindowCaptionText(field));
  for (const FieldRow& row : kFieldRows) {
    if (row.field == field) return row.caption;
  }
  return {};
}

}  // namespace velmora::cli
