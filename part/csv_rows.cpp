#include "csv_rows.h"

namespace velmora::part {

namespace {

constexpr std::string_view kCsvLineEnd = "\r\n";

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

}  // namespace

void AppendCsvRow(std::string& out, std::string_view first, std::string_view second) {
  AppendCell(out, first);
  out += ',';
  AppendCell(out, second);
  out += kCsvLineEnd;
}

}  // namespace velmora::part
