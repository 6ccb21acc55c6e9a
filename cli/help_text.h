#pragma once

// The help laid out as Qt's command-line parser lays it out, so that it reads as it always has:
// the usage line, the description, a blank line, the heading, then one entry an option, its names
// in a column one wider than the longest (at most 50) and its description beside them, wrapped
// at a space to end before the 80th column. Widths count characters, not bytes.

#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct HelpEntry {
  std::string names;  // "-h, --help", "--main-diameter <D>"
  std::string description;
};

std::string HelpLayout(std::string_view usage, std::string_view description,
                       std::string_view heading, const std::vector<HelpEntry>& entries);

}  // namespace velmora::cli
