#pragma once

// Text15, the profile table, as a read-only text view that paints only the rows it shows, as the
// big log viewers do. It reads the field set's text in place: the view keeps a pointer to the
// field's std::string and a TextIndex of its lines and wrapped rows, built once per write; no
// second copy of the table, no text document. Its state is the scroll position, a cursor and a
// selection, each a byte offset.
//
// Lines wrap at the width of the view (see TextIndex). The user selects with the left mouse
// button (drag, Shift+click, double-click a word) and the keyboard (the keys of cursor_motion.h,
// with Shift), selects all with Ctrl+A and copies with Ctrl+C or the Japanese context menu. A copy
// is the selected characters once, with one "\n" after each row (the clipboard of each platform
// turns it into its own line ends), and on request the same rows as a table (TableMimeData).
// Typing changes nothing.

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>
#include <QString>
#include <cstddef>
#include <memory>
#include <string>

#include "text_index.h"

class QAction;
class QMenu;
class QPainter;
class QTimer;

namespace velmora::ui {

class ProfileView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit ProfileView(QWidget* parent = nullptr);
  ~ProfileView() override;

  // Shows *source in place: the view reads that string whenever it paints or copies. The owner
  // calls this again after every change of the string, and keeps the string alive while it is
  // shown. Returns false, showing nothing, when memory for the line index cannot be had.
  bool ShowSource(const std::string* source);
  // Shows a text of the view's own (UTF-8). Returns false, showing nothing, as ShowSource.
  bool ShowText(std::string text);

  // The layout the view's rows are made for now; an index built for it elsewhere, from a
  // string_view of *source or of an equal copy of it (TextIndex's constructor, which may throw), is
  // then shown by Adopt,
  // which cannot fail. So an owner can build the index first and keep the old text shown when
  // memory runs out. A null source shows nothing.
  [[nodiscard]] TextLayout Layout() const { return {widths_, wrapWidth_}; }
  void Adopt(const std::string* source, TextIndex index) noexcept;
  [[nodiscard]] const TextIndex& Index() const { return index_; }

  // The whole text as the view shows it: its lines joined by "\n".
  [[nodiscard]] QString Text() const;
  // The selected characters as Copy hands them to the clipboard.
  [[nodiscard]] QString SelectedText() const;
  [[nodiscard]] bool HasSelection() const { return anchor_ != cursor_; }
  void SelectAll();
  // Hands the selection to the clipboard; nothing when nothing is selected.
  void Copy() const;
  // The context menu: コピー and すべてを選択, then a separator and the actions added here. The
  // caller owns the menu.
  [[nodiscard]] QMenu* CreateContextMenu(QWidget* parent);
  // Actions of the owner shown after the view's own, with their own state; the owner keeps them.
  void AddMenuActions(const QList<QAction*>& actions);

  [[nodiscard]] std::size_t LineCount() const { return index_.LineCount(); }
  // The line the cursor is on (0-based) and its text.
  [[nodiscard]] std::size_t CursorLine() const { return index_.LineOf(cursor_); }
  [[nodiscard]] QString LineText(std::size_t line) const;
  // Rows on screen after wrapping; the vertical scroll bar counts these.
  [[nodiscard]] std::size_t RowCount() const { return index_.RowCount(); }

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
  void UpdateMetrics();
  [[nodiscard]] Width AvailableWidth() const;
  // Makes the rows again for a new width or font; shows nothing when memory runs out.
  void Rebuild();
  void AfterNewText();
  void UpdateScrollBar();
  void PaintRow(QPainter& painter, std::size_t rowNumber, double y, bool withCursor) const;

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
  TextIndex index_;
  std::shared_ptr<const CharacterWidths> widths_;
  Width wrapWidth_ = 1;

  std::size_t anchor_ = 0;
  std::size_t cursor_ = 0;
  Width goalX_ = 0;  // the column that Up and Down keep
  static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);
  std::size_t accessibleLine_ = kNoLine;

  int lineHeight_ = 1;
  double ascent_ = 0.0;

  bool dragging_ = false;
  QPoint dragPoint_;
  QTimer* autoScroll_;
  QList<QPointer<QAction>> menuActions_;
};

}  // namespace velmora::ui
