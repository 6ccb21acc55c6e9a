#pragma once

// Rows of an RFC 4180 CSV file as the part files write them: two cells, CR LF.

#include <string>
#include <string_view>

namespace velmora::part {

// A cell is quoted, with inner quotes doubled, when it holds a comma, a quote or a line break.
void AppendCsvCell(std::string& out, std::string_view cell);
void AppendCsvRow(std::string& out, std::string_view first, std::string_view second);

}  // namespace velmora::part
