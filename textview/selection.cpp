#include "selection.h"

#include <algorithm>

#include "cursor_motion.h"

namespace velmora::textview {

void Selection::MoveTo(const TextIndex& index, Position position, bool extend, bool keepGoalX) {
  cursor_ = std::min(position, index.TextEnd());
  if (!extend) anchor_ = cursor_;
  if (!keepGoalX) goalX_ = index.XOf(index.RowAt(index.RowOfPosition(cursor_)), cursor_);
}

void Selection::SelectWord(const TextIndex& index, Position position) {
  const auto [first, last] = WordAt(index, position);
  Collapse(index, first);
  if (last != first) Extend(index, last);
}

void Selection::SelectAll(const TextIndex& index) {
  anchor_ = Position(0);
  cursor_ = index.TextEnd();
}

}  // namespace velmora::textview
