#include "figure_output.h"

#include "csv_rows.h"
#include "messages.h"
#include "shortest_text.h"

namespace velmora::cli {
namespace {

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  out += '"';
}

using part::AppendCsvCell;

constexpr std::string_view kStoppedColumns = "stopped-at,reason";

}  // namespace

std::string FiguresText(const std::vector<Figure>& figures) {
  std::string out;
  for (const Figure& figure : figures) {
    out += figure.caption;
    out += ": ";
    out += figure.text;
    if (!figure.unit.empty()) out += ' ' + figure.unit;
    out += '\n';
  }
  return out;
}

std::string FiguresJson(const std::vector<Figure>& figures) {
  std::string out = "{";
  for (const Figure& figure : figures) {
    if (out.size() > 1) out += ", ";
    AppendJsonString(out, figure.key);
    out += ": {\"text\": ";
    AppendJsonString(out, figure.text);
    out += ", \"value\": ";
    out += ShortestText(figure.value);
    out += '}';
  }
  out += "}\n";
  return out;
}

std::string SweepHeader(bool electrical) {
  std::string out;
  for (const std::string_view key : FigureKeys(electrical)) {
    out += key;
    out += ',';
  }
  out += kStoppedColumns;
  out += '\n';
  return out;
}

std::string SweepRow(const std::vector<Figure>& figures) {
  std::string out;
  for (const Figure& figure : figures) {
    AppendCsvCell(out, figure.text);
    out += ',';
  }
  out += ",\n";
  return out;
}

std::string RefusedRow(const std::array<std::string, kInputNames.size()>& inputs, bool electrical,
                       std::string_view stoppedAt, std::string_view reason) {
  std::string out;
  for (const std::string_view key : FigureKeys(electrical)) {
    if (const auto input = InputIndex(key)) AppendCsvCell(out, inputs.at(*input));
    out += ',';
  }
  out += stoppedAt;
  out += ',';
  AppendCsvCell(out, reason);
  out += '\n';
  return out;
}

std::string StoppedAtText(const FailingStep& step) {
  return step.number == 0 ? std::string("table") : ShortestText(step.number);
}

std::string StoppedMessage(const FailingStep& step) {
  if (step.number == 0) return Say(phrase::kStoppedAtTable, {Say(phrase::kTableFails)});
  return Say(phrase::kStoppedAt, {CountText(static_cast<std::uint64_t>(step.number)),
                                  FieldCaption(step.result), Say(phrase::kArithmeticFails)});
}

}  // namespace velmora::cli
