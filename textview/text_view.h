#pragma once

// A read-only text view with a selection that paints only the rows it shows, as the big log
// viewers do. It shows one thing: an IndexedText, a shared string that nobody changes and its
// index of lines and wrapped rows, made together. No second copy of the text, no text document. Its
// state is the scroll position and a Selection.
//
// Lines wrap at the width of the view (see TextIndex). The user selects with the left mouse
// button (drag, Shift+click, double-click a word) and the keyboard (the keys of cursor_motion.h,
// with Shift), selects all with Ctrl+A and copies with Ctrl+C or the context menu, whose texts the
// application translates (the view's own are English, through Qt's translation machinery). A copy
// is the selected characters once, with one "\n" after each row (the clipboard of each platform
// turns it into its own line ends), and on request the same rows as a table (TableMimeData).
// Typing changes nothing.

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>
#include <QString>
#include <cstddef>
#include <memory>
#include <optional>

#include "indexed_text.h"
#include "selection.h"
#include "text_index.h"

class QAction;
class QMenu;
class QPainter;
class QTimer;

namespace velmora::textview {

class TextView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TextView(QWidget* parent = nullptr);
  ~TextView() override;

  // The layout the view's rows are made for now: an owner indexes a text for it (IndexedText,
  // TryIndex) before it lets go of the old one, so that it can keep the old text shown when
  // memory runs out.
  [[nodiscard]] TextLayout Layout() const { return {widths_, wrapWidth_}; }
  // Shows a text, the view at its top and nothing selected. An index made for an older layout is
  // made again when memory allows, else shown as made.
  void Show(IndexedText text) noexcept;
  [[nodiscard]] const TextIndex& Index() const { return text_.Index(); }

  // The whole text as the view shows it: its lines joined by "\n".
  [[nodiscard]] QString Text() const;
  // The selected characters as Copy hands them to the clipboard.
  [[nodiscard]] QString SelectedText() const;
  [[nodiscard]] bool HasSelection() const { return !selection_.Empty(); }
  void SelectAll();
  // Hands the selection to the clipboard; nothing when nothing is selected.
  void Copy() const;

  // The context menu: Copy and Select All (as translated), then, when the owner added any, a
  // separator and the owner's actions. The caller owns the menu.
  [[nodiscard]] QMenu* CreateContextMenu(QWidget* parent);
  // Actions the owner adds to the context menu, after those it added before. The owner keeps them
  // (their enabled state, shortcut and tooltip are theirs); one it deletes leaves the menu.
  void AddMenuActions(const QList<QAction*>& actions);

  [[nodiscard]] std::size_t LineCount() const { return Index().LineCount(); }
  // The line the cursor is on and its text.
  [[nodiscard]] Line CursorLine() const { return Index().LineOf(selection_.Cursor()); }
  [[nodiscard]] QString LineText(Line line) const;
  // Rows on screen after wrapping; the vertical scroll bar counts these.
  [[nodiscard]] std::size_t RowCount() const { return Index().RowCount(); }

 signals:
  // A new text is shown (a calculation, Clear).
  void textChanged();

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
  void Relayout();
  void AfterNewText();
  void UpdateScrollBar();
  void PaintRow(QPainter& painter, Row row, double y, bool withCursor) const;
  void PaintSelection(QPainter& painter, const TextRow& row, double y, const QString& text) const;

  [[nodiscard]] Position PositionAt(const QPoint& point) const;
  [[nodiscard]] int TopRow() const;
  [[nodiscard]] int PageRows() const;
  // The text from one position to another, each CR LF as "\n".
  [[nodiscard]] QByteArray Bytes(Position from, Position to) const;

  // Moves the cursor, keeping the anchor when extending; scrolls it into view.
  void MoveCursor(Position position, bool extend, bool keepGoalX = false);
  void AfterSelectionMoved();
  void EnsureCursorVisible();
  void AutoScroll();
  void UpdateAccessibleLine();

  IndexedText text_;
  std::shared_ptr<const CharacterWidths> widths_;
  Width wrapWidth_ = 1;

  Selection selection_;
  std::optional<Line> accessibleLine_;    // the line the description tells, once told
  QList<QPointer<QAction>> menuActions_;  // the owner's, for the context menu

  int lineHeight_ = 1;
  double ascent_ = 0.0;

  bool dragging_ = false;
  QPoint dragPoint_;
  QTimer* autoScroll_;
};

}  // namespace velmora::textview
