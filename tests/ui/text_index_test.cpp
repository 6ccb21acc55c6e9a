// The text index as table rows: a text wrapped at a width of so many cells (an ASCII character
// one cell, any other two), a position, the row it belongs to and that row's range.

#include "text_index.h"

#include <gtest/gtest.h>

#include <Qt>
#include <memory>
#include <string>
#include <vector>

#include "cursor_motion.h"

namespace velmora::ui {
namespace {

constexpr Width kCell = kWidthPerPixel;

TextLayout Cells(Width wrapCells) {
  std::array<Width, CharacterWidths::kAsciiCount> ascii{};
  ascii.fill(kCell);
  return {std::make_shared<const CharacterWidths>(ascii, [](char32_t) { return 2 * kCell; }),
          wrapCells * kCell};
}

const std::string kTallLine = std::string(600, 'x') + "\n" + std::string(200, 'y');
const std::string kManyLines = kTallLine + [] {
  std::string lines;
  for (int k = 0; k < 100; ++k) lines += "\nz";
  return lines;
}();

struct RowCase {
  const char* rule;
  std::string text;
  Width wrap;
  std::size_t position;
  std::size_t row;
  TextRow range;
};

const std::vector<RowCase> kRows = {
    {"a word ending at the edge stays", "ab cd ef", 5, 4, 0, {0, 0, 6}},
    {"a blank hangs over the edge", "ab cd ef", 5, 5, 0, {0, 0, 6}},
    {"a wrapped row's start is its own", "ab cd ef", 5, 6, 1, {0, 6, 8}},
    {"several blanks hang together", "ab  cd", 3, 3, 0, {0, 0, 4}},
    {"after them the next word", "ab  cd", 3, 4, 1, {0, 4, 6}},
    {"no blank: between characters", "abcdefg", 3, 3, 1, {0, 3, 6}},
    {"the text's end on the last row", "abcdefg", 3, 7, 2, {0, 6, 7}},
    {"cut mid-word, then at a blank", "abcd ef", 3, 3, 1, {0, 3, 5}},
    {"the blank after the cut word", "abcd ef", 3, 5, 2, {0, 5, 7}},
    {"a CR LF line ends before CR", "ab\r\ncd ef\nxy", 4, 2, 0, {0, 0, 2}},
    {"the next line's wrapped row", "ab\r\ncd ef\nxy", 4, 7, 2, {1, 7, 9}},
    {"its end before LF", "ab\r\ncd ef\nxy", 4, 9, 2, {1, 7, 9}},
    {"the line after a wrapped one", "ab\r\ncd ef\nxy", 4, 10, 3, {2, 10, 12}},
    {"a line that fits its width", "abcd\nef", 4, 4, 0, {0, 0, 4}},
    {"wide characters, two cells", "\u526F\u53CD\u5C04\u93E1", 5, 3, 0, {0, 0, 6}},
    {"a wide character wraps whole", "\u526F\u53CD\u5C04\u93E1", 5, 6, 1, {0, 6, 12}},
    {"a row holds kMaxRowBytes at most", std::string(5000, 'z'), 100000, 4096, 1, {0, 4096, 5000}},
    {"the last row of a tall line", kTallLine, 2, 599, 299, {0, 598, 600}},
    {"after a tall line", kTallLine, 2, 601, 300, {1, 601, 603}},
    {"a line in a later block", kManyLines, 2, 958, 478, {80, 958, 959}},
};

TEST(text_index, positions_rows_and_ranges) {
  for (const RowCase& c : kRows) {
    SCOPED_TRACE(c.rule);
    const TextIndex index(c.text, Cells(c.wrap));
    EXPECT_EQ(index.LineOf(c.position), c.range.line);
    EXPECT_EQ(index.RowOfPosition(c.position), c.row);
    EXPECT_EQ(index.RowAt(c.row), c.range);
  }
}

struct ClickCase {
  const char* rule;
  std::string text;
  std::size_t row;
  Width x;
  std::size_t position;
};

// Wrapped at 5 cells: "ab cd " and "ef"; the wide characters' first row holds two.
const std::vector<ClickCase> kClicks = {
    {"the left half of a character: before it", "ab cd ef", 0, kCell / 2 - 1, 0},
    {"its right half: after it", "ab cd ef", 0, kCell / 2, 1},
    {"the second character's left half", "ab cd ef", 0, kCell + kCell / 2 - 1, 1},
    {"beyond a wrapping row: before its last character", "ab cd ef", 0, 99 * kCell, 5},
    {"beyond the line's last row: its end", "ab cd ef", 1, 99 * kCell, 8},
    {"before the row: its start", "ab cd ef", 1, -kCell, 6},
    {"a wide character's left half", "\u526F\u53CD\u5C04", 0, kCell - 1, 0},
    {"a wide character's right half", "\u526F\u53CD\u5C04", 0, kCell, 3},
};

TEST(text_index, where_a_click_lands) {
  for (const ClickCase& c : kClicks) {
    SCOPED_TRACE(c.rule);
    const TextIndex index(c.text, Cells(5));
    const TextRow row = index.RowAt(c.row);
    EXPECT_EQ(index.PositionAtX(row, c.x), c.position);
    const std::size_t at = std::min(c.position, row.end);
    EXPECT_EQ(index.PositionAtX(row, index.XOf(row, at)), at);
  }
}

struct KeyCase {
  std::string text;
  Width wrap;
  int key;
  bool control;
  std::size_t from;
  std::size_t to;
};

// "ab cd ef" at 5 cells: rows "ab cd " and "ef"; the wide characters' rows hold two.
const std::vector<KeyCase> kKeys = {
    {"ab cd ef", 5, Qt::Key_End, false, 0, 5},
    {"ab cd ef", 5, Qt::Key_End, false, 6, 8},
    {"ab cd ef", 5, Qt::Key_Home, false, 7, 6},
    {"ab cd ef", 5, Qt::Key_Down, false, 1, 7},
    {"ab cd ef", 5, Qt::Key_Down, false, 4, 8},
    {"ab cd ef", 5, Qt::Key_Down, false, 7, 8},
    {"ab cd ef", 5, Qt::Key_Up, false, 7, 1},
    {"ab cd ef", 5, Qt::Key_Up, true, 2, 0},
    {"ab cd ef", 5, Qt::Key_PageDown, false, 1, 7},
    {"ab cd ef", 5, Qt::Key_PageUp, true, 7, 1},
    {"ab cd ef", 5, Qt::Key_Right, true, 0, 3},
    {"ab cd ef", 5, Qt::Key_Left, true, 6, 3},
    {"ab cd ef", 5, Qt::Key_Left, true, 4, 3},
    {"ab cd ef", 5, Qt::Key_Right, false, 8, 8},
    {"ab cd ef", 5, Qt::Key_Left, false, 0, 0},
    {"ab\r\ncd", 5, Qt::Key_Right, false, 2, 4},
    {"ab\r\ncd", 5, Qt::Key_Left, false, 4, 2},
    {"ab\r\ncd", 5, Qt::Key_Right, true, 2, 4},
    {"ab\r\ncd", 5, Qt::Key_End, true, 0, 6},
    {"ab\r\ncd", 5, Qt::Key_Home, true, 5, 0},
    {"\u526F\u53CD\u5C04", 5, Qt::Key_End, false, 0, 3},
    {"\u526F\u53CD\u5C04", 5, Qt::Key_Left, false, 6, 3},
    {"\u526F\u53CD\u5C04", 5, Qt::Key_Down, false, 3, 9},
};

TEST(text_index, where_the_keys_move_the_cursor) {
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.text + " key " + std::to_string(c.key) + " from " + std::to_string(c.from));
    const TextIndex index(c.text, Cells(c.wrap));
    const Width goalX = index.XOf(index.RowAt(index.RowOfPosition(c.from)), c.from);
    const std::optional<Motion> motion = MotionOfKey(c.key, c.control);
    ASSERT_TRUE(motion.has_value());
    EXPECT_EQ(Move(*motion, index, {c.from, goalX}, 1).position, c.to);
  }
}

}  // namespace
}  // namespace velmora::ui
