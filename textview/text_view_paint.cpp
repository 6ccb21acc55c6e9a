// The text view on screen: its rows, the scroll bar, the painting and the layout's changes.

#include <QEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>

#include "text_view.h"
#include "view_units.h"

namespace velmora::textview {

int TextView::TopRow() const {
  return verticalScrollBar()->value();
}

int TextView::PageRows() const {
  return std::max(1, (viewport()->height() - kMargin) / lineHeight_);
}

Position TextView::PositionAt(const QPoint& point) const {
  const int offset = point.y() - kMargin;
  const int rowsDown =
      offset >= 0 ? offset / lineHeight_ : -((-offset + lineHeight_ - 1) / lineHeight_);
  const long long row = std::clamp<long long>(static_cast<long long>(TopRow()) + rowsDown, 0,
                                              static_cast<long long>(RowCount()) - 1);
  return Index().PositionAtX(Index().RowAt(Row(static_cast<std::size_t>(row))),
                             ToWidth(point.x() - kMargin));
}

void TextView::UpdateScrollBar() {
  const std::size_t rows = RowCount();
  const auto page = static_cast<std::size_t>(PageRows());
  const std::size_t maximum = rows > page ? rows - page : 0;
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, static_cast<int>(std::min<std::size_t>(maximum, INT_MAX)));
  bar->setPageStep(PageRows());
  bar->setSingleStep(1);
}

bool TextView::event(QEvent* event) {
  const bool handled = QAbstractScrollArea::event(event);
  if (event->type() == QEvent::Paint && hasFocus()) {
    // The focus frame: the frame in the highlight colour while the view has the focus.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  return handled;
}

void TextView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  painter.setFont(font());
  const auto top = static_cast<std::size_t>(TopRow());
  const int shown = viewport()->height() / lineHeight_ + 2;
  const Row cursorRow = Index().RowOfPosition(selection_.Cursor());
  for (int k = 0; k < shown && top + static_cast<std::size_t>(k) < RowCount(); ++k) {
    const Row row(top + static_cast<std::size_t>(k));
    PaintRow(painter, row, kMargin + k * lineHeight_, row == cursorRow && hasFocus());
  }
}

void TextView::PaintRow(QPainter& painter, Row row, double y, bool withCursor) const {
  const TextRow range = Index().RowAt(row);
  const std::string_view text = Index().Text();
  const QString rowText =
      QString::fromUtf8(text.data() + range.begin.Byte(),
                        static_cast<qsizetype>(range.end.Byte() - range.begin.Byte()));
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(QPointF(kMargin, y + ascent_), rowText);
  PaintSelection(painter, range, y, rowText);
  if (withCursor) {
    const double x = std::round(kMargin + ToPixels(Index().XOf(range, selection_.Cursor())));
    painter.fillRect(QRectF(x, y, 1.0, lineHeight_), palette().color(QPalette::Text));
  }
}

void TextView::PaintSelection(QPainter& painter, const TextRow& row, double y,
                              const QString& text) const {
  const Position start = selection_.Start();
  const Position end = selection_.End();
  if (start >= end || start > row.end || end <= row.begin) return;
  const Width left = start > row.begin ? Index().XOf(row, start) : 0;
  Width right = Index().XOf(row, std::min(end, row.end));
  // A selected line end shows as a blank's width.
  if (end > row.end && row.end == Index().LineEnd(row.line)) right += widths_->Ascii(' ');
  if (right <= left) return;
  const QRectF box(kMargin + ToPixels(left), y, ToPixels(right - left), lineHeight_);
  painter.fillRect(box, palette().color(QPalette::Highlight));
  painter.save();
  painter.setClipRect(box);
  painter.setPen(palette().color(QPalette::HighlightedText));
  painter.drawText(QPointF(kMargin, y + ascent_), text);
  painter.restore();
}

void TextView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const Width width = AvailableWidth();
  if (width != wrapWidth_) {
    wrapWidth_ = width;
    Relayout();
  }
  UpdateScrollBar();
}

void TextView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMetrics();
    Relayout();
  }
}

}  // namespace velmora::textview
