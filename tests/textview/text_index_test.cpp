// The text index as table rows: a text wrapped at a width of so many cells (an ASCII character
// one cell, any other two), a position, the row it belongs to and that row's range. Positions,
// rows and lines stand in the tables as plain numbers; each reaches the index as its own type.

#include "text_index.h"

#include <gtest/gtest.h>

#include <Qt>
#include <memory>
#include <string>
#include <vector>

#include "cursor_motion.h"
#include "text_view_helpers.h"

namespace velmora::textview {
namespace {

using test_helpers::Cells;
using test_helpers::kCell;

const std::string kTallLine = std::string(600, 'x') + "\n" + std::string(200, 'y');
const std::string kManyLines = kTallLine + [] {
  std::string lines;
  for (int k = 0; k < 100; ++k) lines += "\nz";
  return lines;
}();

// A row's line and byte range, as numbers.
struct Range {
  std::size_t line;
  std::size_t begin;
  std::size_t end;
};

TextRow ToRow(const Range& range) {
  return {Line(range.line), Position(range.begin), Position(range.end)};
}

struct RowCase {
  const char* rule;
  std::string text;
  Width wrap;
  std::size_t position;
  std::size_t row;
  Range range;
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
    // The ideographic space (U+3000, 3 bytes, two cells) is a blank: it hangs over the edge and
    // the row breaks after it, not between the characters before it.
    {"the ideographic space hangs over the edge", "ab\u3000cd", 3, 2, 0, {0, 0, 5}},
    {"the row after it starts after it", "ab\u3000cd", 3, 5, 1, {0, 5, 7}},
    {"a Japanese line wraps at its ideographic space",
     "\u526F\u53CD\u5C04\u93E1\u3000\u8868",
     9,
     15,
     1,
     {0, 15, 18}},
    {"a long Japanese line wraps between characters",
     "\u526F\u53CD\u5C04\u93E1\u526F\u53CD\u5C04\u93E1\u526F\u53CD",
     5,
     12,
     2,
     {0, 12, 18}},
};

TEST(text_index, positions_rows_and_ranges) {
  for (const RowCase& c : kRows) {
    SCOPED_TRACE(c.rule);
    const TextIndex index(c.text, Cells(c.wrap));
    EXPECT_EQ(index.LineOf(Position(c.position)).Number(), c.range.line);
    EXPECT_EQ(index.RowOfPosition(Position(c.position)).Number(), c.row);
    EXPECT_EQ(index.RowAt(Row(c.row)), ToRow(c.range));
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
    const TextRow row = index.RowAt(Row(c.row));
    EXPECT_EQ(index.PositionAtX(row, c.x).Byte(), c.position);
    const Position at = std::min(Position(c.position), row.end);
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
    // The ideographic space separates words as a space does.
    {"ab\u3000cd", 9, Qt::Key_Right, true, 0, 5},
    {"ab\u3000cd", 9, Qt::Key_Left, true, 7, 5},
    {"ab\u3000\u3000cd", 9, Qt::Key_Left, true, 8, 0},
    {"\u526F\u53CD\u3000\u5C04", 9, Qt::Key_Right, true, 0, 9},
};

TEST(text_index, where_the_keys_move_the_cursor) {
  for (const KeyCase& c : kKeys) {
    SCOPED_TRACE(c.text + " key " + std::to_string(c.key) + " from " + std::to_string(c.from));
    const TextIndex index(c.text, Cells(c.wrap));
    const Position from(c.from);
    const Width goalX = index.XOf(index.RowAt(index.RowOfPosition(from)), from);
    const std::optional<Motion> motion = MotionOfKey(c.key, c.control);
    ASSERT_TRUE(motion.has_value());
    EXPECT_EQ(Move(*motion, index, {from, goalX}, 1).position.Byte(), c.to);
  }
}

// The index keeps the row starts of the last wrapped line asked for. Questions about one wrapped
// line, then another, then the first again (painting asks for rows in order, a click for RowAt, a
// key for RowOfPosition) get the answers of a fresh index, which has nothing kept.
struct Question {
  enum Kind { kRowAt, kRowOfPosition } kind;
  std::size_t number;  // a row or a position
};

struct CacheCase {
  const char* rule;
  std::string text;
  Width wrap;
  std::vector<Question> questions;
};

// "abcdefgh" and "ijklmnop" wrapped at 3: rows 0 to 2 and 3 to 5; "q" row 6 is a line of its own.
const std::string kTwoWrapped = "abcdefgh\nijklmnop\nq";
const std::vector<CacheCase> kCache = {
    {"painting: every row in order",
     kTwoWrapped,
     3,
     {{Question::kRowAt, 0},
      {Question::kRowAt, 1},
      {Question::kRowAt, 2},
      {Question::kRowAt, 3},
      {Question::kRowAt, 4},
      {Question::kRowAt, 5},
      {Question::kRowAt, 6}}},
    {"RowAt: the second line, then the first",
     kTwoWrapped,
     3,
     {{Question::kRowAt, 4}, {Question::kRowAt, 1}, {Question::kRowAt, 5}, {Question::kRowAt, 2}}},
    {"RowOfPosition: the first line, then the second",
     kTwoWrapped,
     3,
     {{Question::kRowOfPosition, 4},
      {Question::kRowOfPosition, 13},
      {Question::kRowOfPosition, 7},
      {Question::kRowOfPosition, 16}}},
    {"the two mixed, and a line that does not wrap between",
     kTwoWrapped,
     3,
     {{Question::kRowOfPosition, 15},
      {Question::kRowAt, 6},
      {Question::kRowAt, 1},
      {Question::kRowOfPosition, 12},
      {Question::kRowAt, 0}}},
    {"Japanese lines of different lengths",
     "\u526F\u53CD\u5C04\u93E1\u526F\u53CD\n\u526F\u3000\u53CD\u5C04",
     4,
     {{Question::kRowAt, 3},
      {Question::kRowOfPosition, 9},
      {Question::kRowAt, 4},
      {Question::kRowOfPosition, 25},
      {Question::kRowAt, 1}}},
};

TEST(text_index, a_kept_line_never_answers_for_another) {
  for (const CacheCase& c : kCache) {
    SCOPED_TRACE(c.rule);
    const TextIndex asked(c.text, Cells(c.wrap));
    for (const Question& q : c.questions) {
      SCOPED_TRACE(q.number);
      const TextIndex fresh(c.text, Cells(c.wrap));
      if (q.kind == Question::kRowAt) {
        EXPECT_EQ(asked.RowAt(Row(q.number)), fresh.RowAt(Row(q.number)));
      } else {
        EXPECT_EQ(asked.RowOfPosition(Position(q.number)), fresh.RowOfPosition(Position(q.number)));
      }
    }
  }
}

}  // namespace
}  // namespace velmora::textview
