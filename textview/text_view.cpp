#include "text_view.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "table_mime_data.h"
#include "view_units.h"

namespace velmora::textview {
namespace {

constexpr int kAutoScrollMilliseconds = 50;

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

TextView::TextView(QWidget* parent) : QAbstractScrollArea(parent), autoScroll_(new QTimer(this)) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->setCursor(Qt::IBeamCursor);
  autoScroll_->setInterval(kAutoScrollMilliseconds);
  connect(autoScroll_, &QTimer::timeout, this, &TextView::AutoScroll);
  UpdateMetrics();
  wrapWidth_ = AvailableWidth();
  Show(IndexedText());
}

TextView::~TextView() = default;

// ---- the text and its index ----

void TextView::Show(IndexedText text) noexcept {
  text_ = std::move(text);
  // Made for an older width or font: made again when memory allows, else shown as made.
  if (Index().Layout() != Layout() && !Index().Text().empty()) {
    if (std::optional<IndexedText> again = TryIndex(text_.Shared(), Layout())) {
      text_ = std::move(*again);
    }
  }
  AfterNewText();
}

void TextView::Relayout() {
  // The old index goes first, to give its memory to the new one.
  const SharedText shared = text_.Shared();
  text_ = IndexedText();
  std::optional<IndexedText> again = TryIndex(shared, Layout());
  // Out of memory: nothing shown rather than a text the index does not describe.
  if (again) text_ = std::move(*again);
  if (!again) AfterNewText();
  UpdateScrollBar();
  viewport()->update();
}

void TextView::AfterNewText() {
  selection_ = Selection();
  dragging_ = false;
  autoScroll_->stop();
  UpdateScrollBar();
  verticalScrollBar()->setValue(0);
  accessibleLine_.reset();
  UpdateAccessibleLine();
  viewport()->update();
  emit textChanged();
}

void TextView::UpdateMetrics() {
  const QFontMetricsF metrics(font());
  lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.height())));
  ascent_ = metrics.ascent();
  widths_ = MeasureFont(font());
}

Width TextView::AvailableWidth() const {
  return Width{std::max(1, viewport()->width() - 2 * kMargin)} * kWidthPerPixel;
}

// ---- reading the text ----

QByteArray TextView::Bytes(Position from, Position to) const {
  const std::string_view text = Index().Text();
  const std::size_t end = std::min(to.Byte(), text.size());
  QByteArray bytes;
  bytes.reserve(static_cast<qsizetype>(end - std::min(from.Byte(), end)));
  // Each CR LF becomes one "\n".
  for (std::size_t p = std::min(from.Byte(), end); p < end;) {
    const auto* newline = static_cast<const char*>(std::memchr(text.data() + p, '\n', end - p));
    const std::size_t stop =
        newline != nullptr ? static_cast<std::size_t>(newline - text.data()) : end;
    std::size_t contentEnd = stop;
    if (newline != nullptr && contentEnd > p && text[contentEnd - 1] == '\r') --contentEnd;
    bytes.append(text.data() + p, static_cast<qsizetype>(contentEnd - p));
    if (newline == nullptr) break;
    bytes.append('\n');
    p = stop + 1;
  }
  return bytes;
}

QString TextView::SelectedText() const {
  return QString::fromUtf8(Bytes(selection_.Start(), selection_.End()));
}

QString TextView::Text() const {
  return QString::fromUtf8(Bytes(Position(0), Position(Index().Text().size())));
}

QString TextView::LineText(Line line) const {
  if (line.Number() >= Index().LineCount()) return {};
  const std::size_t begin = Index().LineBegin(line).Byte();
  return QString::fromUtf8(Index().Text().data() + begin,
                           static_cast<qsizetype>(Index().LineEnd(line).Byte() - begin));
}

// ---- selection, copy and the menu ----

void TextView::SelectAll() {
  selection_.SelectAll(Index());
  viewport()->update();
  UpdateAccessibleLine();
}

void TextView::Copy() const {
  if (!HasSelection()) return;
  try {
    // The plain text once: the clipboard takes the UTF-8 bytes as they are, and the table forms
    // are made from them when asked for.
    auto mime = std::make_unique<TableMimeData>(Bytes(selection_.Start(), selection_.End()));
    QGuiApplication::clipboard()->setMimeData(mime.release());
  } catch (const std::bad_alloc&) {
    // Too large to copy now: the clipboard keeps what it had.
  }
}

QMenu* TextView::CreateContextMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  QAction* copy = menu->addAction(tr("Copy"), this, [this] { Copy(); });
  copy->setObjectName(QStringLiteral("copy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setEnabled(HasSelection());
  menu->addSeparator();
  QAction* all = menu->addAction(tr("Select All"), this, [this] { SelectAll(); });
  all->setObjectName(QStringLiteral("selectAll"));
  all->setShortcut(QKeySequence::SelectAll);
  all->setEnabled(Index().TextEnd() > Position(0));
  menuActions_.removeAll(nullptr);  // the ones their owner deleted
  if (!menuActions_.isEmpty()) {
    menu->addSeparator();
    // The owner's entries may say in their tooltip why they are disabled.
    menu->setToolTipsVisible(true);
  }
  for (const QPointer<QAction>& action : menuActions_) menu->addAction(action);
  return menu;
}

void TextView::AddMenuActions(const QList<QAction*>& actions) {
  for (QAction* action : actions) {
    if (action != nullptr) menuActions_.append(action);
  }
}

// ---- cursor ----

void TextView::MoveCursor(Position position, bool extend, bool keepGoalX) {
  selection_.MoveTo(Index(), position, extend, keepGoalX);
  AfterSelectionMoved();
}

void TextView::AfterSelectionMoved() {
  EnsureCursorVisible();
  viewport()->update();
  UpdateAccessibleLine();
}

void TextView::EnsureCursorVisible() {
  const auto row = static_cast<long long>(Index().RowOfPosition(selection_.Cursor()).Number());
  const long long top = TopRow();
  const long long page = PageRows();
  if (row < top) {
    verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(row, INT_MAX)));
  } else if (row >= top + page) {
    verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(row - page + 1, INT_MAX)));
  }
}

void TextView::UpdateAccessibleLine() {
  // A screen reader reads the cursor's line from the description, told of each change.
  const Line line = CursorLine();
  if (line == accessibleLine_) return;
  accessibleLine_ = line;
  setAccessibleDescription(LineText(line));
}

}  // namespace velmora::textview
