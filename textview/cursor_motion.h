#pragma once

// Where the keys of a read-only text view move its cursor, as a table from a key (with or without
// Ctrl) to a motion, and each motion as arithmetic on the text index. Shift extends the selection
// whatever the motion; the view applies that (Selection), and the scrolling.

#include <cstddef>
#include <optional>
#include <utility>

#include "text_index.h"

namespace velmora::textview {

enum class Motion {
  kCharacterLeft,   // to the end of the line before at a line's start
  kCharacterRight,  // to the next line's start at a line's end
  kWordLeft,
  kWordRight,
  kRowUp,
  kRowDown,
  kPageUp,
  kPageDown,
  kRowStart,
  kRowEnd,
  kTextStart,
  kTextEnd,
};

// The motion of a key (a Qt::Key) with or without Ctrl; none for a key that moves nothing.
std::optional<Motion> MotionOfKey(int key, bool control);

// Where the cursor is and the column it keeps while it moves up and down.
struct CursorPlace {
  Position position;
  Width goalX{};
};

struct MotionTarget {
  Position position;
  bool keepGoalX = false;  // the up and down motions keep the column the cursor came from
  int scrollPages = 0;     // Page Up and Page Down scroll the view a page first: -1 or 1
};

// pageRows: how many rows a page holds.
MotionTarget Move(Motion motion, const TextIndex& index, CursorPlace from, std::size_t pageRows);

// The word or run of blanks under a position, for a double-click: at the end of a word, that word.
// An empty range at a line's end.
std::pair<Position, Position> WordAt(const TextIndex& index, Position position);

}  // namespace velmora::textview
