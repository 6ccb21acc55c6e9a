#pragma once

// Text15, the profile table, as a read-only text view that paints only the rows it shows, as the
// big log viewers do. It reads the field set's text in place: the view keeps a pointer to the
// field's std::string and, built once per write, an index of line starts (4 bytes a line) and,
// when lines wrap, their extra rows (1 byte a line); no second copy of the table, no text
// document. Its state is the scroll position, a cursor and a selection, each a byte offset.
//
// Lines end with CR LF (as the calculation writes them) or LF. A line wider than the view wraps
// at its last blank, or between characters when it has none; widths come from a per-character
// advance table, so wrapping costs one pass over a line, however long. The user selects with the
// mouse (drag, Shift+click, double-click a word) and the keyboard (arrows, Page Up/Down, Home/End,
// Ctrl+Home/End, with Shift), selects all with Ctrl+A and copies with Ctrl+C or the Japanese
// context menu. A copy is plain text only, the selected characters once, with one "\n" after each
// row (the clipboard of each platform turns it into its own line ends). Typing changes nothing.

#include <QAbstractScrollArea>
#include <QHash>
#include <QString>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QMenu;
class QTimer;

namespace velmora::ui {

class ProfileView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // Lines always wrap at the width of the view.
  enum LineWrapMode { WidgetWidth };

  explicit ProfileView(QWidget* parent = nullptr);
  ~ProfileView() override;

  // Shows *source in place: the view reads that string whenever it paints or copies. The owner
  // calls this again after every change of the string, and keeps the string alive while it is
  // shown. Returns false, showing nothing, when memory for the line index cannot be had.
  bool ShowSource(const std::string* source);
  // Shows a text of the view's own (UTF-8). Returns false, showing nothing, as ShowSource.
  bool ShowText(std::string text);

  // The whole text as the view shows it: its lines joined by "\n".
  [[nodiscard]] QString Text() const;
  // The selected characters as Copy hands them to the clipboard.
  [[nodiscard]] QString SelectedText() const;
  [[nodiscard]] bool HasSelection() const { return anchor_ != cursor_; }
  void SelectAll();
  // Hands the selection to the clipboard as plain text; nothing when nothing is selected.
  void Copy() const;
  // The context menu: コピー and すべてを選択. The caller owns it.
  [[nodiscard]] QMenu* CreateContextMenu(QWidget* parent);

  [[nodiscard]] std::size_t LineCount() const { return lineStarts_.size(); }
  // The line the cursor is on (0-based) and its text.
  [[nodiscard]] std::size_t CursorLine() const;
  [[nodiscard]] QString LineText(std::size_t line) const;
  // Rows on screen after wrapping; the vertical scroll bar counts these.
  [[nodiscard]] std::size_t RowCount() const { return lineStarts_.size() + extraRows_; }
  [[nodiscard]] LineWrapMode lineWrapMode() const { return WidgetWidth; }

 signals:
  // A new text is shown (a calculation, Clear).
  void textChanged();
  void selectionChanged();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // A row on screen: a whole line, or the part of a wrapped line, as byte offsets in the text.
  struct Row {
    std::size_t line;
    std::size_t begin;
    std::size_t end;
  };
  [[nodiscard]] std::string_view TextView() const;
  bool Index();
  void ClearIndex();
  void UpdateMetrics();
  void Relayout();
  void AfterNewText();
  void UpdateScrollBar();

  [[nodiscard]] std::size_t LineBegin(std::size_t line) const;
  [[nodiscard]] std::size_t LineEnd(std::size_t line) const;
  [[nodiscard]] std::size_t LineOf(std::size_t position) const;
  [[nodiscard]] std::size_t TextEnd() const;
  [[nodiscard]] std::size_t NextCharacter(std::size_t position) const;
  [[nodiscard]] std::size_t PreviousCharacter(std::size_t position) const;
  // The character at a position and its byte length (a stray byte counts one, as U+FFFD).
  char32_t CharacterAt(std::size_t position, std::size_t* length) const;
  // Advance of a character in 1/64 pixel.
  [[nodiscard]] std::int64_t Advance(char32_t character) const;
  // Calls onRow(start) for each row after the first of the line [begin, end). kAscii: the line
  // is known to be plain ASCII, one byte a character.
  template <bool kAscii, typename OnRow>
  void Wrap(std::size_t begin, std::size_t end, OnRow&& onRow) const;
  // Rows that a line adds beyond its first.
  [[nodiscard]] std::size_t ExtraRows(std::size_t line) const;
  // The first row of a line, and the starts of its rows after the first.
  [[nodiscard]] std::size_t FirstRowOf(std::size_t line) const;
  [[nodiscard]] const std::vector<std::uint32_t>& RowStarts(std::size_t line) const;

  [[nodiscard]] std::size_t RowOfPosition(std::size_t position) const;
  [[nodiscard]] Row RowAt(std::size_t row) const;
  [[nodiscard]] double XOf(const Row& row, std::size_t position) const;
  [[nodiscard]] std::size_t PositionAtX(const Row& row, double x) const;
  [[nodiscard]] std::size_t PositionAt(const QPoint& point) const;
  [[nodiscard]] int TopRow() const;
  [[nodiscard]] int PageRows() const;
  // The text from one byte offset to another, each CR LF as "\n".
  [[nodiscard]] QByteArray Bytes(std::size_t from, std::size_t to) const;

  // Moves the cursor, keeping the anchor when extending; scrolls it into view.
  void MoveCursor(std::size_t position, bool extend, bool keepGoalX = false);
  void EnsureCursorVisible();
  void SelectWordAt(std::size_t position);
  void AutoScroll();
  void UpdateAccessibleLine();

  const std::string* source_ = nullptr;  // the field's text, or owned_
  std::string owned_;
  std::vector<std::uint32_t> lineStarts_;
  // The rows each line adds by wrapping, empty while no line wraps; a line of 255 or more keeps
  // 255 here and its count in tallLines_. blockExtra_ sums them before each block of lines, so
  // that finding a row costs a binary search and a walk through one block.
  std::vector<std::uint8_t> extra_;
  std::vector<std::pair<std::uint32_t, std::size_t>> tallLines_;
  std::vector<std::size_t> blockExtra_;
  std::size_t extraRows_ = 0;
  // The row starts of the last line asked for: painting a long wrapped line wraps it once.
  mutable std::size_t startsLine_ = static_cast<std::size_t>(-1);
  mutable std::vector<std::uint32_t> starts_;

  std::size_t anchor_ = 0;
  std::size_t cursor_ = 0;
  double goalX_ = 0.0;
  std::size_t accessibleLine_ = static_cast<std::size_t>(-1);

  int lineHeight_ = 1;
  double ascent_ = 0.0;
  std::int64_t availableWidth_ = 1;  // 1/64 pixel
  std::array<std::int64_t, 128> asciiAdvance_{};
  mutable QHash<char32_t, std::int64_t> advances_;

  bool dragging_ = false;
  QPoint dragPoint_;
  QTimer* autoScroll_;
};

}  // namespace velmora::ui
