#include "profile_csv.h"

#include <cstddef>

#include "csv_rows.h"
#include "number_text.h"

namespace velmora::part {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// One table row: the radius cell, the separating space, and the depth cell after it.
void AppendTableRow(std::string& out, std::string_view line) {
  const std::string_view radius = line.substr(0, kCellWidth);
  const std::string_view depth =
      line.size() > kCellWidth ? line.substr(kCellWidth + 1) : std::string_view{};
  AppendCsvRow(out, Trimmed(radius), Trimmed(depth));
}

}  // namespace

std::string ProfileCsv(std::string_view table) {
  std::string csv;
  AppendCsvRow(csv, kCsvRadiusHeader, kCsvDepthHeader);
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
