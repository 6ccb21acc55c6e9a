// Compiled twice by row_for_position.cmake, never linked. As it stands it must compile: the check
// then compiles what it should. With VELMORA_ROW_FOR_POSITION it passes a row where a position is
// meant, which must not compile.

#include "text_index.h"

using velmora::textview::Line;
using velmora::textview::Row;
using velmora::textview::TextIndex;

Line LineOfRowStart(const TextIndex& index, Row row) {
#ifdef VELMORA_ROW_FOR_POSITION
  return index.LineOf(row);
#else
  return index.LineOf(index.RowAt(row).begin);
#endif
}
