#include "profile_csv.h"

#include <cstddef>

#include "number_text.h"

namespace velmora::part {

namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";
constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// A cell as RFC 4180 writes it: quoted, with inner quotes doubled, when it holds a comma, a quote
// or a line break. A table from the calculator never does, but the field can be edited by hand.
void AppendCell(std::string& out, std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendRow(std::string& out, std::string_view radius, std::string_view depth) {
  AppendCell(out, radius);
  out += ',';
  AppendCell(out, depth);
  out += kCsvLineEnd;
}

// One table row: the radius cell, the separating space, and the depth cell after it.
void AppendTableRow(std::string& out, std::string_view line) {
  const std::string_view radius = line.substr(0, kCellWidth);
  const std::string_view depth =
      line.size() > kCellWidth ? line.substr(kCellWidth + 1) : std::string_view{};
  AppendRow(out, Trimmed(radius), Trimmed(depth));
}

}  // namespace

std::string ProfileCsv(std::string_view table) {
  std::string csv;
  AppendRow(csv, kCsvRadiusHeader, kCsvDepthHeader);
  while (!table.empty()) {
    const std::size_t end = table.find('\n');
    std::string_view line = table.substr(0, end);
    table = end == std::string_view::npos ? std::string_view{} : table.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) AppendTableRow(csv, line);
  }
  return csv;
}

}  // namespace velmora::part
