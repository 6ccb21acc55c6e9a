#include "text_index.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "utf8_reader.h"

namespace velmora::textview {
namespace {

constexpr std::size_t kBlockLines = 64;
constexpr std::uint8_t kTallLine = 255;

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char b) { return static_cast<unsigned char>(b) < 0x80U; });
}

}  // namespace

bool IsBlank(char32_t character) {
  return character == U' ' || character == U'\t' || character == U'\u3000';
}

Width CharacterWidths::Of(char32_t character) const {
  if (character < kAsciiCount) return ascii_[character];
  const auto found = others_.find(character);
  if (found != others_.end()) return found->second;
  const Width width = measure_(character);
  others_.emplace(character, width);
  return width;
}

// ---- lines ----

TextIndex::TextIndex(std::string_view text, TextLayout layout)
    : text_(text), layout_(std::move(layout)) {
  if (text.size() >= std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
  const char* const first = text.data();
  const char* const end = first + text.size();
  lineStarts_.reserve(static_cast<std::size_t>(std::count(first, end, '\n')));
  for (const char* p = first; p < end; ++p) {
    p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    if (p == nullptr) break;
    lineStarts_.push_back(static_cast<std::uint32_t>(p + 1 - first));
  }
  CountRows();
}

std::size_t TextIndex::BeginOf(std::size_t line) const {
  if (line == 0 || line > lineStarts_.size()) return 0;
  return lineStarts_[line - 1];
}

std::size_t TextIndex::EndOf(std::size_t line) const {
  if (line >= lineStarts_.size()) return text_.size();
  std::size_t end = lineStarts_[line] - 1U;  // at its LF
  if (end > BeginOf(line) && text_[end - 1] == '\r') --end;
  return end;
}

std::size_t TextIndex::LineAt(std::size_t position) const {
  return static_cast<std::size_t>(
      std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position) - lineStarts_.begin());
}

// ---- characters ----

char32_t TextIndex::CharacterAt(Position position) const {
  return ReadUtf8Character(text_, position.Byte()).value;
}

Position TextIndex::NextCharacter(Position position) const {
  const std::size_t p = position.Byte();
  if (p >= text_.size()) return Position(text_.size());
  return Position(p + ReadUtf8Character(text_, p).bytes);
}

Position TextIndex::PreviousCharacter(Position position) const {
  return Position(Previous(position.Byte()));
}

std::size_t TextIndex::Previous(std::size_t position) const {
  if (position == 0) return 0;
  std::size_t p = position - 1;
  for (int k = 0; k < 3 && p > 0 && IsUtf8Continuation(text_[p]); ++k) --p;
  // A stray continuation byte stands for itself.
  return p + ReadUtf8Character(text_, p).bytes == position ? p : position - 1;
}

// ---- wrapping ----

template <bool kAscii, typename OnRow>
void TextIndex::Wrap(std::size_t begin, std::size_t end, OnRow&& onRow) const {
  const CharacterWidths& widths = *layout_.widths;
  Width x = 0;  // width of the row so far
  std::size_t rowStart = begin;
  std::size_t breakAt = begin;  // just after the row's last blank; rowStart when none
  Width widthAtBreak = 0;
  for (std::size_t p = begin; p < end;) {
    const Utf8Character c = kAscii ? Utf8Character{static_cast<unsigned char>(text_[p]), 1}
                                   : ReadUtf8Character(text_, p);
    const Width advance =
        kAscii ? widths.Ascii(static_cast<unsigned char>(c.value)) : widths.Of(c.value);
    const bool blank = IsBlank(c.value);
    // Blanks may hang over the right edge; any character ends a row at the byte bound.
    const bool overflows =
        (!blank && x + advance > layout_.wrapWidth) || p + c.bytes - rowStart > kMaxRowBytes;
    if (overflows && p > rowStart) {
      x = breakAt > rowStart ? x - widthAtBreak : 0;
      rowStart = breakAt > rowStart ? breakAt : p;
      onRow(rowStart);
      breakAt = rowStart;
      widthAtBreak = 0;
      continue;  // the same character again, in the new row
    }
    x += advance;
    p += c.bytes;
    if (blank) {
      breakAt = p;
      widthAtBreak = x;
    }
  }
}

template <typename OnRow>
void TextIndex::WrapLine(std::size_t begin, std::size_t end, bool ascii, OnRow&& onRow) const {
  if (ascii) {
    Wrap<true>(begin, end, onRow);
  } else {
    Wrap<false>(begin, end, onRow);
  }
}

void TextIndex::CountRows() {
  const auto* bytes = reinterpret_cast<const unsigned char*>(text_.data());
  const std::size_t lines = LineCount();
  for (std::size_t line = 0; line < lines; ++line) {
    const std::size_t begin = BeginOf(line);
    const std::size_t end = EndOf(line);
    // The common case, a table row: plain ASCII, measured by table lookups alone.
    Width width = 0;
    unsigned bits = 0;
    for (std::size_t p = begin; p < end; ++p) {
      bits |= bytes[p];
      width += layout_.widths->Ascii(bytes[p]);
    }
    const bool ascii = bits < 0x80U;
    if (ascii && width <= layout_.wrapWidth && end - begin <= kMaxRowBytes) continue;
    std::size_t added = 0;
    WrapLine(begin, end, ascii, [&added](std::size_t) { ++added; });
    if (added == 0) continue;
    if (extra_.empty()) extra_.assign(lines, 0);
    extra_[line] = static_cast<std::uint8_t>(std::min<std::size_t>(added, kTallLine));
    if (added >= kTallLine) tallLines_.emplace_back(static_cast<std::uint32_t>(line), added);
    extraRows_ += added;
  }
  SumBlocks();
}

void TextIndex::SumBlocks() {
  if (extra_.empty()) return;
  const std::size_t lines = LineCount();
  blockExtra_.reserve(lines / kBlockLines + 1);
  std::size_t sum = 0;
  for (std::size_t line = 0; line < lines; ++line) {
    if (line % kBlockLines == 0) blockExtra_.push_back(sum);
    sum += ExtraRows(line);
  }
}

std::size_t TextIndex::ExtraRows(std::size_t line) const {
  if (line >= extra_.size()) return 0;
  if (extra_[line] < kTallLine) return extra_[line];
  const auto it = std::lower_bound(tallLines_.begin(), tallLines_.end(), line,
                                   [](const std::pair<std::uint32_t, std::size_t>& tall,
                                      std::size_t l) { return tall.first < l; });
  return it != tallLines_.end() && it->first == line ? it->second : kTallLine;
}

const std::vector<std::uint32_t>& TextIndex::RowStarts(std::size_t line) const {
  if (line == startsLine_) return starts_;
  starts_.clear();
  startsLine_ = kNoLine;  // until the starts are whole
  if (ExtraRows(line) > 0) {
    const std::size_t begin = BeginOf(line);
    const std::size_t end = EndOf(line);
    WrapLine(begin, end, IsAscii(text_.substr(begin, end - begin)),
             [this](std::size_t start) { starts_.push_back(static_cast<std::uint32_t>(start)); });
  }
  startsLine_ = line;
  return starts_;
}

// ---- rows ----

std::size_t TextIndex::FirstRowOf(std::size_t line) const {
  if (extra_.empty()) return line;
  const std::size_t block = line / kBlockLines;
  std::size_t row = line + blockExtra_[block];
  for (std::size_t l = block * kBlockLines; l < line; ++l) row += ExtraRows(l);
  return row;
}

std::pair<std::size_t, std::size_t> TextIndex::LineOfRow(std::size_t row) const {
  const std::size_t lines = LineCount();
  if (extra_.empty()) return {std::min(row, lines - 1), 0};
  // The last block whose first row is at or above this row, then its lines one by one.
  std::size_t low = 0;
  std::size_t high = blockExtra_.size();
  while (high - low > 1) {
    const std::size_t mid = (low + high) / 2;
    (mid * kBlockLines + blockExtra_[mid] <= row ? low : high) = mid;
  }
  std::size_t line = low * kBlockLines;
  std::size_t first = line + blockExtra_[low];
  while (line + 1 < lines && row >= first + 1 + ExtraRows(line)) {
    first += 1 + ExtraRows(line);
    ++line;
  }
  return {line, std::min(row - std::min(row, first), ExtraRows(line))};
}

TextRow TextIndex::RowAt(Row row) const {
  const auto [line, sub] = LineOfRow(row.Number());
  std::size_t begin = BeginOf(line);
  std::size_t end = EndOf(line);
  if (ExtraRows(line) > 0) {
    const std::vector<std::uint32_t>& starts = RowStarts(line);
    if (sub > 0 && sub - 1 < starts.size()) begin = starts[sub - 1];
    if (sub < starts.size()) end = starts[sub];
  }
  return {Line(line), Position(begin), Position(end)};
}

Row TextIndex::RowOfPosition(Position position) const {
  const std::size_t line = LineAt(position.Byte());
  const std::size_t first = FirstRowOf(line);
  if (ExtraRows(line) == 0) return Row(first);
  const std::vector<std::uint32_t>& starts = RowStarts(line);
  return Row(first +
             static_cast<std::size_t>(
                 std::upper_bound(starts.begin(), starts.end(), position.Byte()) - starts.begin()));
}

bool TextIndex::Wraps(const TextRow& row) const {
  return row.end != LineEnd(row.line) && row.end > row.begin;
}

Width TextIndex::XOf(const TextRow& row, Position position) const {
  Width x = 0;
  const std::size_t end = std::min(position, row.end).Byte();
  for (std::size_t p = row.begin.Byte(); p < end;) {
    const Utf8Character c = ReadUtf8Character(text_, p);
    x += layout_.widths->Of(c.value);
    p += c.bytes;
  }
  return x;
}

Position TextIndex::PositionAtX(const TextRow& row, Width x) const {
  Width left = 0;
  for (std::size_t p = row.begin.Byte(); p < row.end.Byte();) {
    const Utf8Character c = ReadUtf8Character(text_, p);
    const Width advance = layout_.widths->Of(c.value);
    if (x < left + advance / 2) return Position(p);
    left += advance;
    p += c.bytes;
  }
  // The end of a row that wraps is the next row's start: stay on this row.
  return Wraps(row) ? PreviousCharacter(row.end) : row.end;
}

}  // namespace velmora::textview
