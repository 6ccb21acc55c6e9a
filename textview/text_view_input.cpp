// The text view's keys, mouse and context menu.

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>

#include "cursor_motion.h"
#include "text_view.h"

namespace velmora::textview {

void TextView::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::Copy) {
    Copy();
    return;
  }
  if (event == QKeySequence::SelectAll) {
    SelectAll();
    return;
  }
  const std::optional<Motion> motion =
      MotionOfKey(event->key(), (event->modifiers() & Qt::ControlModifier) != 0);
  if (!motion) {
    // The text is read-only: typing, pasting, deleting change nothing.
    event->ignore();
    return;
  }
  const MotionTarget target = Move(*motion, Index(), {selection_.Cursor(), selection_.GoalX()},
                                   static_cast<std::size_t>(PageRows()));
  QScrollBar* bar = verticalScrollBar();
  if (target.scrollPages != 0) bar->setValue(bar->value() + target.scrollPages * bar->pageStep());
  MoveCursor(target.position, (event->modifiers() & Qt::ShiftModifier) != 0, target.keepGoalX);
  event->accept();
}

void TextView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
  MoveCursor(PositionAt(event->position().toPoint()), extend);
  dragging_ = true;
  dragPoint_ = event->position().toPoint();
}

void TextView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || (event->buttons() & Qt::LeftButton) == 0) return;
  dragPoint_ = event->position().toPoint();
  MoveCursor(PositionAt(dragPoint_), true);
  const bool outside = dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height();
  if (outside && !autoScroll_->isActive()) autoScroll_->start();
  if (!outside) autoScroll_->stop();
}

void TextView::AutoScroll() {
  if (!dragging_) {
    autoScroll_->stop();
    return;
  }
  QScrollBar* bar = verticalScrollBar();
  if (dragPoint_.y() < 0) bar->setValue(bar->value() - 1);
  if (dragPoint_.y() >= viewport()->height()) bar->setValue(bar->value() + 1);
  MoveCursor(PositionAt(dragPoint_), true);
}

void TextView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  autoScroll_->stop();
}

void TextView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  selection_.SelectWord(Index(), PositionAt(event->position().toPoint()));
  AfterSelectionMoved();
}

void TextView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void TextView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  update();
  viewport()->update();
}

void TextView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  update();
  viewport()->update();
}

void TextView::inputMethodEvent(QInputMethodEvent* event) {
  event->ignore();
}

}  // namespace velmora::textview
