#pragma once

// A single-line field. It holds exactly the text it shows: what a single line cannot show is
// kept out as it arrives, typed or pasted, so the field set never computes with a text the user
// cannot see. And it lets go of a long text's undo history, which Qt keeps a character at a time.

#include <QLineEdit>
#include <QValidator>
#include <cstddef>
#include <optional>

namespace velmora::ui {

// What a single line keeps of an edit: a pasted text up to its first line end (as a legacy
// single-line box takes a copied spreadsheet cell), without control or format characters (a tab,
// a NUL, a direction mark), and no half of a character that a length limit cut in two.
class SingleLineValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

class LineField : public QLineEdit {
 public:
  // An edit of a text longer than this starts a fresh undo history.
  static constexpr qsizetype kUndoKeptLength = 4096;

  // limit: the most UTF-16 units the field takes, or nothing for any length.
  LineField(std::optional<std::size_t> limit, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ForgetHistory();

  qsizetype heldLength_ = 0;         // as before the edit being handled
  bool typingOneCharacter_ = false;  // the edit being handled adds or erases one character
};

}  // namespace velmora::ui
