#include "csv_rows.h"

namespace velmora::part {

namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";

}  // namespace

void AppendCsvCell(std::string& out, std::string_view cell) {
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

void AppendCsvRow(std::string& out, std::string_view first, std::string_view second) {
  AppendCsvCell(out, first);
  out += ',';
  AppendCsvCell(out, second);
  out += kCsvLineEnd;
}

}  // namespace velmora::part
