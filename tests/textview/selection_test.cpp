// The selection's rules without a widget, as table rows: a text wrapped at a width of so many
// cells (an ASCII character one cell, any other two), what is done to a fresh selection, and the
// anchor, the cursor and the goal column (in cells) that result.

#include "selection.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "text_view_helpers.h"

namespace velmora::textview {
namespace {

using test_helpers::Cells;
using test_helpers::kCell;

struct Step {
  enum Kind { kCollapse, kExtend, kKeepingGoal, kWord, kAll } kind;
  std::size_t position = 0;
};

struct SelectionCase {
  const char* rule;
  std::string text;
  std::vector<Step> steps;
  std::size_t anchor;
  std::size_t cursor;
  Width goalCells;
};

// Wrapped at 5 cells: "ab cd ef" in rows "ab cd " and "ef"; a goal column is the x in the cursor's
// row, and a position at a wrapped row's start is in that row, at x 0.
const std::vector<SelectionCase> kCases = {
    {"collapse: the anchor follows the cursor", "ab cd ef", {{Step::kCollapse, 4}}, 4, 4, 4},
    {"extend: the anchor stays", "ab cd ef", {{Step::kCollapse, 1}, {Step::kExtend, 4}}, 1, 4, 4},
    {"extend backwards", "ab cd ef", {{Step::kCollapse, 4}, {Step::kExtend, 1}}, 4, 1, 1},
    {"collapse after extend: nothing selected",
     "ab cd ef",
     {{Step::kCollapse, 1}, {Step::kExtend, 4}, {Step::kCollapse, 6}},
     6,
     6,
     0},
    {"beyond the text: its end", "ab cd ef", {{Step::kCollapse, 99}}, 8, 8, 2},
    {"beyond the text, extending",
     "ab cd ef",
     {{Step::kCollapse, 2}, {Step::kExtend, 99}},
     2,
     8,
     2},
    {"a move that keeps the goal column",
     "ab cd ef",
     {{Step::kCollapse, 4}, {Step::kKeepingGoal, 7}},
     7,
     7,
     4},
    {"word: the word, the cursor at its end", "ab cd ef", {{Step::kWord, 4}}, 3, 5, 5},
    {"word at a word's end: that word", "ab cd ef", {{Step::kWord, 5}}, 3, 5, 5},
    {"word on a run of blanks: the blanks", "ab  cd", {{Step::kWord, 3}}, 2, 4, 0},
    {"word on an empty line: nothing, the cursor there", "ab\n\ncd", {{Step::kWord, 3}}, 3, 3, 0},
    {"word after a selection: only the word",
     "ab cd ef",
     {{Step::kCollapse, 0}, {Step::kExtend, 8}, {Step::kWord, 7}},
     6,
     8,
     2},
    {"word before an ideographic space: the word", "ab\u3000cd", {{Step::kWord, 0}}, 0, 2, 2},
    {"word after an ideographic space: the word", "ab\u3000cd", {{Step::kWord, 5}}, 5, 7, 2},
    {"word on ideographic spaces: the spaces", "ab\u3000\u3000cd", {{Step::kWord, 5}}, 2, 8, 0},
    {"a Japanese word ends at an ideographic space",
     "\u526F\u53CD\u3000\u5C04\u93E1",
     {{Step::kWord, 3}},
     0,
     6,
     4},
    {"all: from the start to the end", "ab\r\ncd\r\n", {{Step::kAll}}, 0, 8, 0},
    {"all keeps the goal column", "ab\r\ncd\r\n", {{Step::kCollapse, 1}, {Step::kAll}}, 0, 8, 1},
    {"all of nothing: nothing", "", {{Step::kAll}}, 0, 0, 0},
};

TEST(selection, follows_its_rules) {
  for (const SelectionCase& c : kCases) {
    SCOPED_TRACE(c.rule);
    const TextIndex index(c.text, Cells(5));
    Selection selection;
    for (const Step& step : c.steps) {
      const Position at(step.position);
      switch (step.kind) {
        case Step::kCollapse:
          selection.Collapse(index, at);
          break;
        case Step::kExtend:
          selection.Extend(index, at);
          break;
        case Step::kKeepingGoal:
          selection.MoveTo(index, at, false, true);
          break;
        case Step::kWord:
          selection.SelectWord(index, at);
          break;
        case Step::kAll:
          selection.SelectAll(index);
          break;
      }
    }
    EXPECT_EQ(selection.Anchor().Byte(), c.anchor);
    EXPECT_EQ(selection.Cursor().Byte(), c.cursor);
    EXPECT_EQ(selection.GoalX(), c.goalCells * kCell);
    EXPECT_EQ(selection.Empty(), c.anchor == c.cursor);
    EXPECT_EQ(selection.Start().Byte(), std::min(c.anchor, c.cursor));
    EXPECT_EQ(selection.End().Byte(), std::max(c.anchor, c.cursor));
  }
}

}  // namespace
}  // namespace velmora::textview
