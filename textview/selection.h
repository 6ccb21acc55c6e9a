#pragma once

// The selection of a text view as a value: the anchor, where it began; the cursor, where it ends
// and the caret stands; and the goal column, the x that Up and Down keep while they pass through
// shorter rows. Nothing is selected when the anchor is the cursor. The rules of a view's
// selection live here, so that they are tested without a widget.

#include <algorithm>

#include "text_index.h"

namespace velmora::textview {

class Selection {
 public:
  [[nodiscard]] Position Anchor() const { return anchor_; }
  [[nodiscard]] Position Cursor() const { return cursor_; }
  [[nodiscard]] Width GoalX() const { return goalX_; }
  [[nodiscard]] bool Empty() const { return anchor_ == cursor_; }
  // The selected range, in text order.
  [[nodiscard]] Position Start() const { return std::min(anchor_, cursor_); }
  [[nodiscard]] Position End() const { return std::max(anchor_, cursor_); }

  // The cursor to `position`, kept within the text. Extending keeps the anchor, else the anchor
  // follows the cursor and nothing is selected. The goal column becomes the cursor's x in its row,
  // unless kept (the up and down motions keep it).
  void MoveTo(const TextIndex& index, Position position, bool extend, bool keepGoalX = false);
  void Extend(const TextIndex& index, Position position) { MoveTo(index, position, true); }
  void Collapse(const TextIndex& index, Position position) { MoveTo(index, position, false); }
  // The word or run of blanks at `position` (WordAt), the cursor at its end; nothing at a line's
  // end, the cursor there.
  void SelectWord(const TextIndex& index, Position position);
  // The whole text, the cursor at its end; the goal column stays.
  void SelectAll(const TextIndex& index);

  [[nodiscard]] bool operator==(const Selection&) const = default;

 private:
  Position anchor_;
  Position cursor_;
  Width goalX_ = 0;
};

}  // namespace velmora::textview
