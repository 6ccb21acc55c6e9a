#include "help_text.h"

#include <algorithm>

#include "utf8_reader.h"
#include "white_space.h"

namespace velmora::cli {
namespace {

constexpr std::size_t kWidestNames = 50;
constexpr std::ptrdiff_t kLineEnd = 79;  // the last column a line may fill
constexpr std::string_view kIndent = "  ";

std::u32string Characters(std::string_view text) {
  std::u32string characters;
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Character character = ReadUtf8Character(text, at);
    characters.push_back(character.value);
    at += character.bytes;
  }
  return characters;
}

void AppendUtf8(std::string& out, std::u32string_view characters) {
  for (const char32_t c : characters) {
    const auto code = static_cast<std::uint32_t>(c);
    if (code < 0x80U) {
      out += static_cast<char>(code);
    } else if (code < 0x800U) {
      out += static_cast<char>(0xC0U | (code >> 6U));
      out += static_cast<char>(0x80U | (code & 0x3FU));
    } else if (code < 0x10000U) {
      out += static_cast<char>(0xE0U | (code >> 12U));
      out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
      out += static_cast<char>(0x80U | (code & 0x3FU));
    } else {
      out += static_cast<char>(0xF0U | (code >> 18U));
      out += static_cast<char>(0x80U | ((code >> 12U) & 0x3FU));
      out += static_cast<char>(0x80U | ((code >> 6U) & 0x3FU));
      out += static_cast<char>(0x80U | (code & 0x3FU));
    }
  }
}

// One option's lines. A line breaks at its last space once it would pass the line's end, or
// anywhere when it has none, and at a line feed; the character that opens a line is not
// counted against it, as the parser's own layout counts.
std::string Entry(const std::u32string& names, std::size_t width, const std::u32string& text) {
  std::size_t nameAt = 0;
  const auto nameSection = [&] {
    std::u32string section = names.substr(nameAt, width);
    nameAt += section.size();
    return section;
  };
  const auto size = static_cast<std::ptrdiff_t>(text.size());
  const std::ptrdiff_t most = kLineEnd - static_cast<std::ptrdiff_t>(kIndent.size() + width + 1);
  std::string out;
  std::ptrdiff_t lineStart = 0;
  std::ptrdiff_t lastSpace = -1;
  std::ptrdiff_t column = 0;
  for (std::ptrdiff_t i = 0; i < size; ++i) {
    ++column;
    const char32_t c = text[static_cast<std::size_t>(i)];
    if (IsWhiteSpace(c)) lastSpace = i;
    std::ptrdiff_t breakAt = -1;
    std::ptrdiff_t nextStart = -1;
    if (column > most && lastSpace != -1) {
      breakAt = lastSpace;
      nextStart = lastSpace + 1;
    } else if ((column > most - 1 && lastSpace == -1) || i == size - 1) {
      breakAt = i + 1;
      nextStart = breakAt;
    } else if (c == U'\n') {
      breakAt = i;
      nextStart = i + 1;
    }
    if (breakAt == -1) continue;
    std::u32string name = nameSection();
    name.resize(std::max(name.size(), width), U' ');
    out += kIndent;
    AppendUtf8(out, name);
    out += ' ';
    AppendUtf8(out,
               std::u32string_view(text).substr(static_cast<std::size_t>(lineStart),
                                                static_cast<std::size_t>(breakAt - lineStart)));
    out += '\n';
    column = 0;
    lastSpace = -1;
    lineStart = nextStart;
    if (lineStart < size && IsWhiteSpace(text[static_cast<std::size_t>(lineStart)])) ++lineStart;
    i = lineStart;
  }
  while (nameAt < names.size()) {
    out += kIndent;
    AppendUtf8(out, nameSection());
    out += '\n';
  }
  return out;
}

}  // namespace

std::string HelpLayout(std::string_view usage, std::string_view description,
                       std::string_view heading, const std::vector<HelpEntry>& entries) {
  std::string out(usage);
  out += '\n';
  if (!description.empty()) {
    out += description;
    out += '\n';
  }
  out += '\n';
  if (entries.empty()) return out;
  out += heading;
  out += '\n';
  std::size_t longest = 0;
  for (const HelpEntry& entry : entries)
    longest = std::max(longest, Characters(entry.names).size());
  const std::size_t width = std::min(kWidestNames, longest + 1);
  for (const HelpEntry& entry : entries) {
    out += Entry(Characters(entry.names), width, Characters(entry.description));
  }
  return out;
}

}  // namespace velmora::cli
