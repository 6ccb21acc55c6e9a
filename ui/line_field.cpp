#include "line_field.h"

#include <QKeyEvent>
#include <QSignalBlocker>
#include <algorithm>
#include <limits>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velmora::ui {
namespace {

bool IsLineEnd(QChar c) {
  switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case u'\u0085':  // next line
    case u'\u2028':  // line separator
    case u'\u2029':  // paragraph separator
      return true;
    default:
      return false;
  }
}

// Neither shown nor part of a number: controls, format and direction marks, half a character.
bool IsUnshowable(const QString& text, qsizetype k) {
  const QChar c = text[k];
  if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format) return true;
  if (c.isHighSurrogate()) return k + 1 >= text.size() || !text[k + 1].isLowSurrogate();
  if (c.isLowSurrogate()) return k == 0 || !text[k - 1].isHighSurrogate();
  return IsLineEnd(c);
}

}  // namespace

QValidator::State SingleLineValidator::validate(QString& input, int& position) const {
  // The field held no line end before the edit, so a line end before the caret came with the
  // text just inserted, which ends at the caret: that text is cut there.
  const auto lineEnd = std::find_if(input.cbegin(), input.cbegin() + position, IsLineEnd);
  if (const auto cut = static_cast<int>(lineEnd - input.cbegin()); cut < position) {
    input.remove(cut, position - cut);
    position = cut;
  }
  for (qsizetype k = input.size() - 1; k >= 0; --k) {
    if (!IsUnshowable(input, k)) continue;
    input.remove(k, 1);
    if (position > k) --position;
  }
  return Acceptable;
}

LineField::LineField(std::optional<std::size_t> limit, QWidget* parent) : QLineEdit(parent) {
  setMaxLength(limit ? static_cast<int>(*limit) : std::numeric_limits<int>::max());
  setValidator(new SingleLineValidator(this));
  // textEdited comes before textChanged: the length before the edit is still the one held.
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    // One typed character adds one step to the history, whatever the length; anything else on a
    // long text (a paste, a selection typed over or cut, a word erased) may add a million.
    if (!typingOneCharacter_ && std::max(heldLength_, text.size()) > kUndoKeptLength) {
      QMetaObject::invokeMethod(this, &LineField::ForgetHistory, Qt::QueuedConnection);
    }
  });
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { heldLength_ = text.size(); });
}

void LineField::keyPressEvent(QKeyEvent* event) {
  const bool erasesOne = (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) &&
                         event->modifiers() == Qt::NoModifier;
  const bool typesOne = event->text().size() == 1 && event->text()[0].isPrint() &&
                        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
  typingOneCharacter_ = !hasSelectedText() && (erasesOne || typesOne);
  QLineEdit::keyPressEvent(event);
  typingOneCharacter_ = false;
}

void LineField::ForgetHistory() {
  // Setting the text anew is the one way Qt offers to empty the history; the text stays.
  const int caret = cursorPosition();
  const QSignalBlocker quiet(this);
  setText(text());
  setCursorPosition(caret);
#if defined(__GLIBC__)
  // The C library keeps the freed history for the process; the system gets the megabytes back.
  malloc_trim(0);
#endif
}

}  // namespace velmora::ui
