#pragma once

// The profile table for a spreadsheet: RFC 4180 CSV, CR LF line ends, UTF-8 (the content is
// ASCII), a header row and then the radius and depth of each table row exactly as the window
// shows them, without the cells' padding.

#include <string>
#include <string_view>

namespace velmora::part {

// The header row's two cells, after the table's own column captions Y and X.
inline constexpr std::string_view kCsvRadiusHeader = "Y (mm)";
inline constexpr std::string_view kCsvDepthHeader = "X (mm)";

// `table` is the profile table's text: rows of a 7-character radius cell, a space and a depth cell,
// each row ending in CR LF (a lone LF is taken as well). A line that is empty makes no row. An
// empty table gives the header row alone.
std::string ProfileCsv(std::string_view table);

}  // namespace velmora::part
