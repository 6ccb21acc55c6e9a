#pragma once

// The arithmetic of a text shown in rows, without any widget: where its lines start, where a line
// wider than the wrap width breaks into rows, and the way between a byte position, its row and
// its line. The index reads the text in place (a string_view that must outlive it unchanged:
// IndexedText keeps the two together) and keeps 4 bytes a line and, when lines wrap, 1 byte a line
// for the rows each adds.
//
// Lines end with CR LF or LF. A line wider than the wrap width wraps after its last blank that
// still fits, or between characters when it has none; blanks may hang over the right edge. A row
// never holds more than kMaxRowBytes bytes, whatever their width. Positions, rows and lines are
// types of their own (text_units.h); the counts of lines and rows are plain numbers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "text_units.h"

namespace velmora::textview {

// A width in 1/64 pixel, the unit of font metrics: sums of advances stay exact.
using Width = std::int64_t;
inline constexpr Width kWidthPerPixel = 64;

inline constexpr std::size_t kMaxRowBytes = 4096;

// Blanks are where a line may wrap and what separates words: the space, the tab and the
// ideographic space U+3000.
bool IsBlank(char32_t character);

// The advance of each character, measured once per character.
class CharacterWidths {
 public:
  using Measure = std::function<Width(char32_t)>;
  static constexpr std::size_t kAsciiCount = 128;

  // `ascii` gives the ASCII characters' widths, `measure` any other character's.
  CharacterWidths(const std::array<Width, kAsciiCount>& ascii, Measure measure)
      : ascii_(ascii), measure_(std::move(measure)) {}

  [[nodiscard]] Width Ascii(unsigned char byte) const { return ascii_[byte & 0x7FU]; }
  [[nodiscard]] Width Of(char32_t character) const;

 private:
  std::array<Width, kAsciiCount> ascii_;
  Measure measure_;
  mutable std::unordered_map<char32_t, Width> others_;
};

// What the rows are made for: the characters' widths and the width of a row.
struct TextLayout {
  std::shared_ptr<const CharacterWidths> widths;
  Width wrapWidth = 1;

  [[nodiscard]] bool operator==(const TextLayout&) const = default;
};

// A row on screen: a whole line, or the part of a wrapped line, as byte offsets in the text.
struct TextRow {
  Line line;
  Position begin;
  Position end;

  [[nodiscard]] bool operator==(const TextRow&) const = default;
};

class TextIndex {
 public:
  // The empty text: one empty line. Allocates nothing.
  TextIndex() noexcept = default;
  // Indexes `text` for `layout`. Throws std::bad_alloc when the index cannot be had: out of
  // memory, or a text of 4 GiB or more, beyond the reach of its 32-bit offsets.
  TextIndex(std::string_view text, TextLayout layout);

  TextIndex(TextIndex&&) noexcept = default;
  TextIndex& operator=(TextIndex&&) noexcept = default;
  TextIndex(const TextIndex&) = delete;
  TextIndex& operator=(const TextIndex&) = delete;
  ~TextIndex() = default;

  [[nodiscard]] std::string_view Text() const { return text_; }
  [[nodiscard]] const TextLayout& Layout() const { return layout_; }

  [[nodiscard]] std::size_t LineCount() const { return lineStarts_.size() + 1; }
  // Rows after wrapping: a line's first row and the rows it adds.
  [[nodiscard]] std::size_t RowCount() const { return LineCount() + extraRows_; }
  [[nodiscard]] Position LineBegin(Line line) const { return Position(BeginOf(line.Number())); }
  // Where the line's characters end, before its CR LF or LF.
  [[nodiscard]] Position LineEnd(Line line) const { return Position(EndOf(line.Number())); }
  [[nodiscard]] Line LineOf(Position position) const { return Line(LineAt(position.Byte())); }
  // The end of the last line, the last place the cursor can go.
  [[nodiscard]] Position TextEnd() const { return Position(EndOf(LineCount() - 1)); }

  [[nodiscard]] char32_t CharacterAt(Position position) const;
  [[nodiscard]] Position NextCharacter(Position position) const;
  [[nodiscard]] Position PreviousCharacter(Position position) const;

  [[nodiscard]] TextRow RowAt(Row row) const;
  // A position at the start of a wrapped row belongs to that row, not to the one before.
  [[nodiscard]] Row RowOfPosition(Position position) const;
  // Whether a row ends where the next row of the same line starts.
  [[nodiscard]] bool Wraps(const TextRow& row) const;
  // The distance from the row's start to a position in it.
  [[nodiscard]] Width XOf(const TextRow& row, Position position) const;
  // The position nearest to x in a row: before a character when x lies in its left half. Never
  // the end of a row that wraps, which is the next row's start.
  [[nodiscard]] Position PositionAtX(const TextRow& row, Width x) const;

 private:
  // The same as the public ones, by plain numbers.
  [[nodiscard]] std::size_t BeginOf(std::size_t line) const;
  [[nodiscard]] std::size_t EndOf(std::size_t line) const;
  [[nodiscard]] std::size_t LineAt(std::size_t position) const;
  [[nodiscard]] std::size_t Previous(std::size_t position) const;
  void CountRows();
  void SumBlocks();
  [[nodiscard]] std::size_t ExtraRows(std::size_t line) const;
  [[nodiscard]] std::size_t FirstRowOf(std::size_t line) const;
  // The line holding a row, and the row's number within the line.
  [[nodiscard]] std::pair<std::size_t, std::size_t> LineOfRow(std::size_t row) const;
  // The starts of the line's rows after its first.
  [[nodiscard]] const std::vector<std::uint32_t>& RowStarts(std::size_t line) const;
  // Calls onRow(start) for each row after the first of the line [begin, end).
  template <bool kAscii, typename OnRow>
  void Wrap(std::size_t begin, std::size_t end, OnRow&& onRow) const;
  template <typename OnRow>
  void WrapLine(std::size_t begin, std::size_t end, bool ascii, OnRow&& onRow) const;

  std::string_view text_;
  TextLayout layout_;
  // The starts of the lines after the first.
  std::vector<std::uint32_t> lineStarts_;
  // The rows each line adds by wrapping, empty while no line wraps; a line of kTallLine or more
  // keeps kTallLine here and its count in tallLines_. blockExtra_ sums them before each block of
  // lines, so that finding a row costs a binary search and a walk through one block.
  std::vector<std::uint8_t> extra_;
  std::vector<std::pair<std::uint32_t, std::size_t>> tallLines_;
  std::vector<std::size_t> blockExtra_;
  std::size_t extraRows_ = 0;
  // The row starts of the last line asked for: painting a long wrapped line wraps it once.
  static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
  mutable std::size_t startsLine_ = kNoLine;
  mutable std::vector<std::uint32_t> starts_;
};

}  // namespace velmora::textview
