#include "cursor_motion.h"

#include <Qt>
#include <algorithm>

namespace velmora::textview {
namespace {

enum class Ctrl { kUp, kDown, kEither };

struct KeyMotion {
  int key;
  Ctrl ctrl;
  Motion motion;
};

constexpr KeyMotion kKeyMotions[] = {
    {Qt::Key_Left, Ctrl::kUp, Motion::kCharacterLeft},
    {Qt::Key_Left, Ctrl::kDown, Motion::kWordLeft},
    {Qt::Key_Right, Ctrl::kUp, Motion::kCharacterRight},
    {Qt::Key_Right, Ctrl::kDown, Motion::kWordRight},
    {Qt::Key_Up, Ctrl::kEither, Motion::kRowUp},
    {Qt::Key_Down, Ctrl::kEither, Motion::kRowDown},
    {Qt::Key_PageUp, Ctrl::kEither, Motion::kPageUp},
    {Qt::Key_PageDown, Ctrl::kEither, Motion::kPageDown},
    {Qt::Key_Home, Ctrl::kUp, Motion::kRowStart},
    {Qt::Key_Home, Ctrl::kDown, Motion::kTextStart},
    {Qt::Key_End, Ctrl::kUp, Motion::kRowEnd},
    {Qt::Key_End, Ctrl::kDown, Motion::kTextEnd},
};

constexpr Position kTextBegin{0};

bool BlankBefore(const TextIndex& index, Position position) {
  return IsBlank(index.CharacterAt(index.PreviousCharacter(position)));
}

bool BlankAt(const TextIndex& index, Position position) {
  return IsBlank(index.CharacterAt(position));
}

Line LineBefore(Line line) {
  return Line(line.Number() - 1);
}

// Back over blanks, then to the start of the word; from a line's start, the line before's end.
Position WordLeft(const TextIndex& index, Position p) {
  while (p > kTextBegin && BlankBefore(index, p)) p = index.PreviousCharacter(p);
  const Line line = index.LineOf(p);
  if (p > kTextBegin && p == index.LineBegin(line)) return index.LineEnd(LineBefore(line));
  while (p > index.LineBegin(line) && !BlankBefore(index, p)) p = index.PreviousCharacter(p);
  return p;
}

// Past the word and the blanks after it; from a line's end, the next line's start.
Position WordRight(const TextIndex& index, Position p) {
  const Position end = index.LineEnd(index.LineOf(p));
  while (p < end && !BlankAt(index, p)) p = index.NextCharacter(p);
  while (p < end && BlankAt(index, p)) p = index.NextCharacter(p);
  return p;
}

Position CharacterLeft(const TextIndex& index, Position p) {
  const Line line = index.LineOf(p);
  if (p != index.LineBegin(line)) return index.PreviousCharacter(p);
  return p == kTextBegin ? kTextBegin : index.LineEnd(LineBefore(line));
}

Position CharacterRight(const TextIndex& index, Position p, bool word) {
  const Line line = index.LineOf(p);
  const Line next(line.Number() + 1);
  if (p >= index.LineEnd(line))
    return next.Number() < index.LineCount() ? index.LineBegin(next) : p;
  return word ? WordRight(index, p) : index.NextCharacter(p);
}

Position RowEnd(const TextIndex& index, const TextRow& row) {
  return index.Wraps(row) ? index.PreviousCharacter(row.end) : row.end;
}

// The same column in another row.
MotionTarget ToRow(const TextIndex& index, std::size_t row, Width goalX, int scrollPages = 0) {
  return {index.PositionAtX(index.RowAt(Row(row)), goalX), true, scrollPages};
}

MotionTarget Vertical(Motion motion, const TextIndex& index, CursorPlace from,
                      std::size_t pageRows) {
  const std::size_t row = index.RowOfPosition(from.position).Number();
  const std::size_t lastRow = index.RowCount() - 1;
  switch (motion) {
    case Motion::kRowUp:
      return row == 0 ? MotionTarget{kTextBegin, false, 0} : ToRow(index, row - 1, from.goalX);
    case Motion::kRowDown:
      return row >= lastRow ? MotionTarget{index.TextEnd(), false, 0}
                            : ToRow(index, row + 1, from.goalX);
    case Motion::kPageUp:
      return ToRow(index, row > pageRows ? row - pageRows : 0, from.goalX, -1);
    default:
      return ToRow(index, std::min(lastRow, row + pageRows), from.goalX, 1);
  }
}

}  // namespace

std::optional<Motion> MotionOfKey(int key, bool control) {
  const Ctrl pressed = control ? Ctrl::kDown : Ctrl::kUp;
  for (const KeyMotion& entry : kKeyMotions) {
    if (entry.key == key && (entry.ctrl == Ctrl::kEither || entry.ctrl == pressed)) {
      return entry.motion;
    }
  }
  return std::nullopt;
}

MotionTarget Move(Motion motion, const TextIndex& index, CursorPlace from, std::size_t pageRows) {
  const Position p = from.position;
  switch (motion) {
    case Motion::kCharacterLeft:
      return {CharacterLeft(index, p), false, 0};
    case Motion::kCharacterRight:
      return {CharacterRight(index, p, false), false, 0};
    case Motion::kWordLeft:
      return {WordLeft(index, p), false, 0};
    case Motion::kWordRight:
      return {CharacterRight(index, p, true), false, 0};
    case Motion::kRowStart:
      return {index.RowAt(index.RowOfPosition(p)).begin, false, 0};
    case Motion::kRowEnd:
      return {RowEnd(index, index.RowAt(index.RowOfPosition(p))), false, 0};
    case Motion::kTextStart:
      return {kTextBegin, false, 0};
    case Motion::kTextEnd:
      return {index.TextEnd(), false, 0};
    default:
      return Vertical(motion, index, from, pageRows);
  }
}

std::pair<Position, Position> WordAt(const TextIndex& index, Position position) {
  const Line line = index.LineOf(position);
  const Position begin = index.LineBegin(line);
  const Position end = index.LineEnd(line);
  // At the end of a word, the word before.
  if (position > begin && (position == end || BlankAt(index, position)) &&
      !BlankBefore(index, position)) {
    position = index.PreviousCharacter(position);
  }
  if (position >= end) return {position, position};
  const bool blank = BlankAt(index, position);
  Position first = position;
  while (first > begin && BlankBefore(index, first) == blank) {
    first = index.PreviousCharacter(first);
  }
  Position last = position;
  while (last < end && BlankAt(index, last) == blank) last = index.NextCharacter(last);
  return {first, last};
}

}  // namespace velmora::textview
