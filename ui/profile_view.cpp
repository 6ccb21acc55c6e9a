#include "profile_view.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "cursor_motion.h"
#include "table_mime_data.h"

namespace velmora::ui {
namespace {

// Blank space around the text, as a text box's document margin.
constexpr int kMargin = 4;
constexpr int kAutoScrollMilliseconds = 50;

double ToPixels(Width width) {
  return static_cast<double>(width) / static_cast<double>(kWidthPerPixel);
}

Width ToWidth(double pixels) {
  return std::llround(pixels * static_cast<double>(kWidthPerPixel));
}

std::shared_ptr<const CharacterWidths> MeasureFont(const QFont& font) {
  const QFontMetricsF metrics(font);
  std::array<Width, CharacterWidths::kAsciiCount> ascii{};
  for (std::size_t c = 0; c < ascii.size(); ++c) {
    ascii[c] = ToWidth(metrics.horizontalAdvance(QChar(static_cast<char16_t>(c))));
  }
  return std::make_shared<const CharacterWidths>(ascii, [metrics](char32_t character) {
    return ToWidth(metrics.horizontalAdvance(QString::fromUcs4(&character, 1)));
  });
}

}  // namespace

ProfileView::ProfileView(QWidget* parent)
    : QAbstractScrollArea(parent), source_(&owned_), autoScroll_(new QTimer(this)) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->setCursor(Qt::IBeamCursor);
  setAccessibleName(QString::fromUtf8("副反射鏡プロファイル表 (Y, X)"));
  autoScroll_->setInterval(kAutoScrollMilliseconds);
  connect(autoScroll_, &QTimer::timeout, this, &ProfileView::AutoScroll);
  UpdateMetrics();
  wrapWidth_ = AvailableWidth();
  ShowText({});
}

ProfileView::~ProfileView() = default;

// ---- the text and its index ----

bool ProfileView::ShowSource(const std::string* source) {
  // The old index describes a text that is gone: free it before the new one is built.
  index_ = TextIndex();
  TextIndex index;
  bool shown = true;
  try {
    if (source != nullptr) index = TextIndex(*source, Layout());
  } catch (const std::bad_alloc&) {
    // Out of memory: show nothing rather than a text the index does not describe.
    source = nullptr;
    shown = false;
  }
  Adopt(source, std::move(index));
  return shown;
}

bool ProfileView::ShowText(std::string text) {
  owned_ = std::move(text);
  return ShowSource(&owned_);
}

void ProfileView::Adopt(const std::string* source, TextIndex index) noexcept {
  if (source != nullptr) index.Rebind(*source);
  if (source != &owned_) std::string().swap(owned_);
  source_ = source != nullptr ? source : &owned_;
  index_ = source != nullptr ? std::move(index) : TextIndex();
  // Built for an older width or font: made again when memory allows, else shown as built.
  if (index_.Layout() != Layout() && index_.Text().size() > 0) {
    try {
      index_ = TextIndex(*source_, Layout());
    } catch (const std::bad_alloc&) {
    }
  }
  AfterNewText();
}

void ProfileView::Rebuild() {
  try {
    index_ = TextIndex();
    index_ = TextIndex(*source_, Layout());
  } catch (const std::bad_alloc&) {
    ShowSource(nullptr);
  }
  UpdateScrollBar();
  viewport()->update();
}

void ProfileView::AfterNewText() {
  const bool hadSelection = HasSelection();
  anchor_ = 0;
  cursor_ = 0;
  goalX_ = 0;
  dragging_ = false;
  autoScroll_->stop();
  UpdateScrollBar();
  verticalScrollBar()->setValue(0);
  accessibleLine_ = kNoLine;
  UpdateAccessibleLine();
  viewport()->update();
  emit textChanged();
  if (hadSelection) emit selectionChanged();
}

void ProfileView::UpdateMetrics() {
  const QFontMetricsF metrics(font());
  lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.height())));
  ascent_ = metrics.ascent();
  widths_ = MeasureFont(font());
}

Width ProfileView::AvailableWidth() const {
  return Width{std::max(1, viewport()->width() - 2 * kMargin)} * kWidthPerPixel;
}

// ---- rows on screen ----

int ProfileView::TopRow() const {
  return verticalScrollBar()->value();
}

int ProfileView::PageRows() const {
  return std::max(1, (viewport()->height() - kMargin) / lineHeight_);
}

std::size_t ProfileView::PositionAt(const QPoint& point) const {
  const int offset = point.y() - kMargin;
  const int rowsDown =
      offset >= 0 ? offset / lineHeight_ : -((-offset + lineHeight_ - 1) / lineHeight_);
  const long long row = std::clamp<long long>(static_cast<long long>(TopRow()) + rowsDown, 0,
                                              static_cast<long long>(RowCount()) - 1);
  return index_.PositionAtX(index_.RowAt(static_cast<std::size_t>(row)),
                            ToWidth(point.x() - kMargin));
}

void ProfileView::UpdateScrollBar() {
  const std::size_t rows = RowCount();
  const auto page = static_cast<std::size_t>(PageRows());
  const std::size_t maximum = rows > page ? rows - page : 0;
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, static_cast<int>(std::min<std::size_t>(maximum, INT_MAX)));
  bar->setPageStep(PageRows());
  bar->setSingleStep(1);
}

// ---- reading the text ----

QByteArray ProfileView::Bytes(std::size_t from, std::size_t to) const {
  const std::string_view text = index_.Text();
  to = std::min(to, text.size());
  from = std::min(from, to);
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(to - from));
  // Each CR LF becomes one "\n".
  for (std::size_t p = from; p < to;) {
    const auto* newline = static_cast<const char*>(std::memchr(text.data() + p, '\n', to - p));
    const std::size_t stop =
        newline != nullptr ? static_cast<std::size_t>(newline - text.data()) : to;
    std::size_t contentEnd = stop;
    if (newline != nullptr && contentEnd > p && text[contentEnd - 1] == '\r') --contentEnd;
    bytes.append(text.data() + p, static_cast<qsizetype>(contentEnd - p));
    if (newline == nullptr) break;
    bytes.append('\n');
    p = stop + 1;
  }
  return bytes;
}

QString ProfileView::SelectedText() const {
  return QString::fromUtf8(Bytes(std::min(anchor_, cursor_), std::max(anchor_, cursor_)));
}

QString ProfileView::Text() const {
  return QString::fromUtf8(Bytes(0, index_.Text().size()));
}

QString ProfileView::LineText(std::size_t line) const {
  if (line >= index_.LineCount()) return {};
  const std::size_t begin = index_.LineBegin(line);
  return QString::fromUtf8(index_.Text().data() + begin,
                           static_cast<qsizetype>(index_.LineEnd(line) - begin));
}

void ProfileView::SelectAll() {
  const bool changed = anchor_ != 0 || cursor_ != index_.TextEnd();
  anchor_ = 0;
  cursor_ = index_.TextEnd();
  viewport()->update();
  UpdateAccessibleLine();
  if (changed) emit selectionChanged();
}

void ProfileView::Copy() const {
  if (!HasSelection()) return;
  try {
    // The plain text once: the clipboard takes the UTF-8 bytes as they are, and the table forms
    // are made from them when asked for.
    auto mime = std::make_unique<TableMimeData>(
        Bytes(std::min(anchor_, cursor_), std::max(anchor_, cursor_)));
    QGuiApplication::clipboard()->setMimeData(mime.release());
  } catch (const std::bad_alloc&) {
    // Too large to copy now: the clipboard keeps what it had.
  }
}

QMenu* ProfileView::CreateContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  QAction* copy = menu->addAction(QString::fromUtf8("コピー"), this, [this] { Copy(); });
  copy->setObjectName(QStringLiteral("copy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(HasSelection());
  menu->addSeparator();
  QAction* all = menu->addAction(QString::fromUtf8("すべてを選択"), this, [this] { SelectAll(); });
  all->setObjectName(QStringLiteral("selectAll"));
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(index_.TextEnd() > 0);
  if (!menuActions_.isEmpty()) {
    // A disabled entry tells in its tooltip why.
    menu->setToolTipsVisible(true);
    menu->addSeparator();
    for (QAction* action : menuActions_) {
      if (action != nullptr) menu->addAction(action);
    }
  }
  return menu;
}

void ProfileView::AddMenuActions(const QList<QAction*>& actions) {
  for (QAction* action : actions) menuActions_.append(action);
}

// ---- cursor and selection ----

void ProfileView::MoveCursor(std::size_t position, bool extend, bool keepGoalX) {
  const std::size_t oldAnchor = anchor_;
  const std::size_t oldCursor = cursor_;
  cursor_ = std::min(position, index_.TextEnd());
  if (!extend) anchor_ = cursor_;
  if (!keepGoalX) goalX_ = index_.XOf(index_.RowAt(index_.RowOfPosition(cursor_)), cursor_);
  EnsureCursorVisible();
  viewport()->update();
  UpdateAccessibleLine();
  const bool hadSelection = oldAnchor != oldCursor;
  if ((hadSelection || HasSelection()) && (oldAnchor != anchor_ || oldCursor != cursor_)) {
    emit selectionChanged();
  }
}

void ProfileView::EnsureCursorVisible() {
  const auto row = static_cast<long long>(index_.RowOfPosition(cursor_));
  const long long top = TopRow();
  const long long page = PageRows();
  if (row < top) {
    verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(row, INT_MAX)));
  } else if (row >= top + page) {
    verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(row - page + 1, INT_MAX)));
  }
}

void ProfileView::SelectWordAt(std::size_t position) {
  const auto [first, last] = WordAt(index_, position);
  MoveCursor(first, false);
  if (last != first) MoveCursor(last, true);
}

void ProfileView::UpdateAccessibleLine() {
  // A screen reader reads the cursor's line from the description, told of each change.
  const std::size_t line = CursorLine();
  if (line == accessibleLine_) return;
  accessibleLine_ = line;
  setAccessibleDescription(LineText(line));
}

// ---- events ----

bool ProfileView::event(QEvent* event) {
  const bool handled = QAbstractScrollArea::event(event);
  if (event->type() == QEvent::Paint && hasFocus()) {
    // The focus frame: the frame in the highlight colour while the view has the focus.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  return handled;
}

void ProfileView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  painter.setFont(font());
  const auto top = static_cast<std::size_t>(TopRow());
  const int shown = viewport()->height() / lineHeight_ + 2;
  const std::size_t cursorRow = index_.RowOfPosition(cursor_);
  for (int k = 0; k < shown && top + static_cast<std::size_t>(k) < RowCount(); ++k) {
    const std::size_t row = top + static_cast<std::size_t>(k);
    PaintRow(painter, row, kMargin + k * lineHeight_, row == cursorRow && hasFocus());
  }
}

void ProfileView::PaintRow(QPainter& painter, std::size_t rowNumber, double y,
                           bool withCursor) const {
  const QPalette& colors = palette();
  const TextRow row = index_.RowAt(rowNumber);
  const std::string_view text = index_.Text();
  const QString rowText =
      QString::fromUtf8(text.data() + row.begin, static_cast<qsizetype>(row.end - row.begin));
  const QPointF baseline(kMargin, y + ascent_);
  painter.setPen(colors.color(QPalette::Text));
  painter.drawText(baseline, rowText);
  const std::size_t selectionStart = std::min(anchor_, cursor_);
  const std::size_t selectionEnd = std::max(anchor_, cursor_);
  if (selectionStart < selectionEnd && selectionStart <= row.end && selectionEnd > row.begin) {
    Width left = selectionStart > row.begin ? index_.XOf(row, selectionStart) : 0;
    Width right = index_.XOf(row, std::min(selectionEnd, row.end));
    // A selected line end shows as a blank's width.
    if (selectionEnd > row.end && row.end == index_.LineEnd(row.line)) right += widths_->Ascii(' ');
    if (right > left) {
      const QRectF box(kMargin + ToPixels(left), y, ToPixels(right - left), lineHeight_);
      painter.fillRect(box, colors.color(QPalette::Highlight));
      painter.save();
      painter.setClipRect(box);
      painter.setPen(colors.color(QPalette::HighlightedText));
      painter.drawText(baseline, rowText);
      painter.restore();
    }
  }
  if (withCursor) {
    const double x = std::round(kMargin + ToPixels(index_.XOf(row, cursor_)));
    painter.fillRect(QRectF(x, y, 1.0, lineHeight_), colors.color(QPalette::Text));
  }
}

void ProfileView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const Width width = AvailableWidth();
  if (width != wrapWidth_) {
    wrapWidth_ = width;
    Rebuild();
  }
  UpdateScrollBar();
}

void ProfileView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMetrics();
    Rebuild();
  }
}

void ProfileView::keyPressEvent(QKeyEvent* event) {
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
    // The table is read-only: typing, pasting, deleting change nothing.
    event->ignore();
    return;
  }
  const MotionTarget target =
      Move(*motion, index_, {cursor_, goalX_}, static_cast<std::size_t>(PageRows()));
  QScrollBar* bar = verticalScrollBar();
  if (target.scrollPages != 0) bar->setValue(bar->value() + target.scrollPages * bar->pageStep());
  MoveCursor(target.position, (event->modifiers() & Qt::ShiftModifier) != 0, target.keepGoalX);
  event->accept();
}

void ProfileView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
  MoveCursor(PositionAt(event->position().toPoint()), extend);
  dragging_ = true;
  dragPoint_ = event->position().toPoint();
}

void ProfileView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || (event->buttons() & Qt::LeftButton) == 0) return;
  dragPoint_ = event->position().toPoint();
  MoveCursor(PositionAt(dragPoint_), true);
  const bool outside = dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height();
  if (outside && !autoScroll_->isActive()) autoScroll_->start();
  if (!outside) autoScroll_->stop();
}

void ProfileView::AutoScroll() {
  if (!dragging_) {
    autoScroll_->stop();
    return;
  }
  QScrollBar* bar = verticalScrollBar();
  if (dragPoint_.y() < 0) bar->setValue(bar->value() - 1);
  if (dragPoint_.y() >= viewport()->height()) bar->setValue(bar->value() + 1);
  MoveCursor(PositionAt(dragPoint_), true);
}

void ProfileView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = false;
  autoScroll_->stop();
}

void ProfileView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  SelectWordAt(PositionAt(event->position().toPoint()));
}

void ProfileView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void ProfileView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  update();
  viewport()->update();
}

void ProfileView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  update();
  viewport()->update();
}

void ProfileView::inputMethodEvent(QInputMethodEvent* event) {
  event->ignore();
}

}  // namespace velmora::ui
