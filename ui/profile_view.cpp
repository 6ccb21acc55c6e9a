#include "profile_view.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <new>

namespace velmora::ui {
namespace {

// Blank space around the text, as a text box's document margin.
constexpr int kMargin = 4;
// A row never holds more bytes than this, whatever their width: painting and hit testing a row
// stay cheap even for characters of no width.
constexpr std::size_t kMaxRowBytes = 4096;
constexpr int kAutoScrollMilliseconds = 50;
constexpr std::size_t kBlockLines = 64;
constexpr std::uint8_t kTallLine = 255;

bool IsBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == U'\u3000';
}

bool IsContinuationByte(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
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
  ShowText({});
}

ProfileView::~ProfileView() = default;

// ---- the text and its index ----

std::string_view ProfileView::TextView() const {
  return *source_;
}

bool ProfileView::ShowSource(const std::string* source) {
  if (source == nullptr) {
    owned_.clear();
    source = &owned_;
  } else if (source != &owned_) {
    std::string().swap(owned_);
  }
  source_ = source;
  const bool shown = Index();
  if (!shown) {
    // Out of memory: show nothing rather than a text the index does not describe.
    source_ = &owned_;
    std::string().swap(owned_);
    [[maybe_unused]] const bool empty = Index();
  }
  AfterNewText();
  return shown;
}

bool ProfileView::ShowText(std::string text) {
  owned_ = std::move(text);
  return ShowSource(&owned_);
}

void ProfileView::ClearIndex() {
  std::vector<std::uint32_t>().swap(lineStarts_);
  std::vector<std::uint8_t>().swap(extra_);
  std::vector<std::pair<std::uint32_t, std::size_t>>().swap(tallLines_);
  std::vector<std::size_t>().swap(blockExtra_);
  extraRows_ = 0;
  startsLine_ = static_cast<std::size_t>(-1);
  std::vector<std::uint32_t>().swap(starts_);
}

bool ProfileView::Index() {
  // The old index describes a text that is gone: free it before the new one is built.
  ClearIndex();
  const std::string_view text = TextView();
  if (text.size() >= std::numeric_limits<std::uint32_t>::max()) return false;
  try {
    const char* const first = text.data();
    const char* const end = first + text.size();
    lineStarts_.reserve(1 + static_cast<std::size_t>(std::count(first, end, '\n')));
    lineStarts_.push_back(0);
    for (const char* p = first; p < end; ++p) {
      p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
      if (p == nullptr) break;
      lineStarts_.push_back(static_cast<std::uint32_t>(p + 1 - first));
    }
    Relayout();
  } catch (const std::bad_alloc&) {
    ClearIndex();
    return false;
  }
  return true;
}

void ProfileView::AfterNewText() {
  const bool hadSelection = HasSelection();
  anchor_ = 0;
  cursor_ = 0;
  goalX_ = 0.0;
  dragging_ = false;
  autoScroll_->stop();
  UpdateScrollBar();
  verticalScrollBar()->setValue(0);
  accessibleLine_ = static_cast<std::size_t>(-1);
  UpdateAccessibleLine();
  viewport()->update();
  emit textChanged();
  if (hadSelection) emit selectionChanged();
}

std::size_t ProfileView::LineBegin(std::size_t line) const {
  if (line >= lineStarts_.size()) return 0;
  return std::min<std::size_t>(lineStarts_[line], TextView().size());
}

std::size_t ProfileView::LineEnd(std::size_t line) const {
  const std::string_view text = TextView();
  if (line + 1 >= lineStarts_.size()) return text.size();
  std::size_t end = std::min<std::size_t>(lineStarts_[line + 1] - 1U, text.size());
  if (end > LineBegin(line) && text[end - 1] == '\r') --end;
  return end;
}

std::size_t ProfileView::TextEnd() const {
  return lineStarts_.empty() ? 0 : LineEnd(lineStarts_.size() - 1);
}

std::size_t ProfileView::LineOf(std::size_t position) const {
  const auto it = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
  return it == lineStarts_.begin() ? 0 : static_cast<std::size_t>(it - lineStarts_.begin()) - 1;
}

std::size_t ProfileView::NextCharacter(std::size_t position) const {
  const std::string_view text = TextView();
  if (position >= text.size()) return text.size();
  std::size_t length = 0;
  CharacterAt(position, &length);
  return position + length;
}

std::size_t ProfileView::PreviousCharacter(std::size_t position) const {
  const std::string_view text = TextView();
  if (position == 0) return 0;
  std::size_t p = position - 1;
  for (int k = 0; k < 3 && p > 0 && IsContinuationByte(text[p]); ++k) --p;
  std::size_t length = 0;
  CharacterAt(p, &length);
  // A stray continuation byte stands for itself.
  return p + length == position ? p : position - 1;
}

char32_t ProfileView::CharacterAt(std::size_t position, std::size_t* length) const {
  const std::string_view text = TextView();
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[position + k]); };
  const unsigned char lead = byte(0);
  *length = 1;
  if (lead < 0x80U) return lead;
  std::size_t count = 0;
  char32_t value = 0;
  if ((lead & 0xE0U) == 0xC0U) {
    count = 2;
    value = lead & 0x1FU;
  } else if ((lead & 0xF0U) == 0xE0U) {
    count = 3;
    value = lead & 0x0FU;
  } else if ((lead & 0xF8U) == 0xF0U) {
    count = 4;
    value = lead & 0x07U;
  } else {
    return U'\uFFFD';
  }
  if (position + count > text.size()) return U'\uFFFD';
  for (std::size_t k = 1; k < count; ++k) {
    if ((byte(k) & 0xC0U) != 0x80U) return U'\uFFFD';
    value = (value << 6U) | (byte(k) & 0x3FU);
  }
  *length = count;
  return value;
}

// ---- wrapping ----

void ProfileView::UpdateMetrics() {
  const QFontMetricsF metrics(font());
  lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.height())));
  ascent_ = metrics.ascent();
  for (int c = 0; c < 128; ++c) {
    asciiAdvance_[static_cast<std::size_t>(c)] =
        std::llround(metrics.horizontalAdvance(QChar(c)) * 64.0);
  }
  advances_.clear();
  availableWidth_ = std::int64_t{std::max(1, viewport()->width() - 2 * kMargin)} * 64;
}

std::int64_t ProfileView::Advance(char32_t character) const {
  if (character < 128U) return asciiAdvance_[character];
  const auto found = advances_.constFind(character);
  if (found != advances_.constEnd()) return *found;
  const std::int64_t advance = std::llround(
      QFontMetricsF(font()).horizontalAdvance(QString::fromUcs4(&character, 1)) * 64.0);
  advances_.insert(character, advance);
  return advance;
}

template <bool kAscii, typename OnRow>
void ProfileView::Wrap(std::size_t begin, std::size_t end, OnRow&& onRow) const {
  const std::string_view text = TextView();
  std::int64_t x = 0;  // width of the row so far
  std::size_t rowStart = begin;
  std::size_t breakAt = begin;  // just after the row's last blank; rowStart when none
  std::int64_t widthAtBreak = 0;
  for (std::size_t p = begin; p < end;) {
    std::size_t length = 1;
    char32_t c = 0;
    std::int64_t advance = 0;
    if constexpr (kAscii) {
      c = static_cast<unsigned char>(text[p]);
      advance = asciiAdvance_[c];
    } else {
      c = CharacterAt(p, &length);
      advance = Advance(c);
    }
    const bool blank = IsBlank(c);
    // Blanks may hang over the right edge; any character ends a row at the byte bound.
    const bool overflows =
        (!blank && x + advance > availableWidth_) || p + length - rowStart > kMaxRowBytes;
    if (overflows && p > rowStart) {
      if (breakAt > rowStart) {
        x -= widthAtBreak;
        rowStart = breakAt;
      } else {
        x = 0;
        rowStart = p;
      }
      onRow(rowStart);
      breakAt = rowStart;
      widthAtBreak = 0;
      continue;  // the same character again, in the new row
    }
    x += advance;
    p += length;
    if (blank) {
      breakAt = p;
      widthAtBreak = x;
    }
  }
}

void ProfileView::Relayout() {
  std::vector<std::uint8_t>().swap(extra_);
  std::vector<std::pair<std::uint32_t, std::size_t>>().swap(tallLines_);
  std::vector<std::size_t>().swap(blockExtra_);
  extraRows_ = 0;
  startsLine_ = static_cast<std::size_t>(-1);
  const std::string_view text = TextView();
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t lines = lineStarts_.size();
  for (std::size_t line = 0; line < lines; ++line) {
    const std::size_t begin = LineBegin(line);
    const std::size_t end = LineEnd(line);
    // The common case, a table row: plain ASCII, measured by table lookups alone.
    std::int64_t width = 0;
    unsigned bits = 0;
    for (std::size_t p = begin; p < end; ++p) {
      bits |= bytes[p];
      width += asciiAdvance_[bytes[p] & 0x7FU];
    }
    const bool ascii = bits < 0x80U;
    if (ascii && width <= availableWidth_ && end - begin <= kMaxRowBytes) continue;
    std::size_t added = 0;
    const auto count = [&added](std::size_t) { ++added; };
    if (ascii) {
      Wrap<true>(begin, end, count);
    } else {
      Wrap<false>(begin, end, count);
    }
    if (added == 0) continue;
    if (extra_.empty()) extra_.assign(lines, 0);
    extra_[line] = static_cast<std::uint8_t>(std::min<std::size_t>(added, kTallLine));
    if (added >= kTallLine) tallLines_.emplace_back(static_cast<std::uint32_t>(line), added);
    extraRows_ += added;
  }
  if (extra_.empty()) return;
  blockExtra_.reserve(lines / kBlockLines + 1);
  std::size_t sum = 0;
  for (std::size_t line = 0; line < lines; ++line) {
    if (line % kBlockLines == 0) blockExtra_.push_back(sum);
    sum += ExtraRows(line);
  }
}

std::size_t ProfileView::ExtraRows(std::size_t line) const {
  if (extra_.empty() || line >= extra_.size()) return 0;
  if (extra_[line] < kTallLine) return extra_[line];
  const auto it = std::lower_bound(tallLines_.begin(), tallLines_.end(), line,
                                   [](const std::pair<std::uint32_t, std::size_t>& tall,
                                      std::size_t l) { return tall.first < l; });
  return it != tallLines_.end() && it->first == line ? it->second : kTallLine;
}

std::size_t ProfileView::FirstRowOf(std::size_t line) const {
  if (extra_.empty()) return line;
  const std::size_t block = line / kBlockLines;
  std::size_t row = line + blockExtra_[block];
  for (std::size_t l = block * kBlockLines; l < line; ++l) row += ExtraRows(l);
  return row;
}

const std::vector<std::uint32_t>& ProfileView::RowStarts(std::size_t line) const {
  if (line != startsLine_) {
    starts_.clear();
    startsLine_ = line;
    if (ExtraRows(line) > 0) {
      const auto collect = [this](std::size_t start) {
        starts_.push_back(static_cast<std::uint32_t>(start));
      };
      const std::size_t begin = LineBegin(line);
      const std::size_t end = LineEnd(line);
      const std::string_view text = TextView();
      const bool ascii = std::all_of(text.begin() + static_cast<std::ptrdiff_t>(begin),
                                     text.begin() + static_cast<std::ptrdiff_t>(end),
                                     [](char b) { return static_cast<unsigned char>(b) < 0x80U; });
      if (ascii) {
        Wrap<true>(begin, end, collect);
      } else {
        Wrap<false>(begin, end, collect);
      }
    }
  }
  return starts_;
}

ProfileView::Row ProfileView::RowAt(std::size_t row) const {
  const std::size_t lines = lineStarts_.size();
  if (lines == 0) return {0, 0, 0};
  std::size_t line = std::min(row, lines - 1);
  std::size_t sub = 0;
  if (!extra_.empty()) {
    // The last block whose first row is at or above this row, then its lines one by one.
    std::size_t low = 0;
    std::size_t high = blockExtra_.size();
    while (high - low > 1) {
      const std::size_t mid = (low + high) / 2;
      if (mid * kBlockLines + blockExtra_[mid] <= row) {
        low = mid;
      } else {
        high = mid;
      }
    }
    line = low * kBlockLines;
    std::size_t first = line + blockExtra_[low];
    while (line + 1 < lines && row >= first + 1 + ExtraRows(line)) {
      first += 1 + ExtraRows(line);
      ++line;
    }
    sub = std::min(row - std::min(row, first), ExtraRows(line));
  }
  std::size_t begin = LineBegin(line);
  std::size_t end = LineEnd(line);
  if (ExtraRows(line) > 0) {
    const std::vector<std::uint32_t>& starts = RowStarts(line);
    if (sub > 0 && sub - 1 < starts.size()) begin = starts[sub - 1];
    if (sub < starts.size()) end = starts[sub];
  }
  return {line, begin, end};
}

std::size_t ProfileView::RowOfPosition(std::size_t position) const {
  const std::size_t line = LineOf(position);
  const std::size_t first = FirstRowOf(line);
  if (ExtraRows(line) == 0) return first;
  const std::vector<std::uint32_t>& starts = RowStarts(line);
  return first + static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), position) -
                                          starts.begin());
}

double ProfileView::XOf(const Row& row, std::size_t position) const {
  std::int64_t x = 0;
  for (std::size_t p = row.begin; p < std::min(position, row.end);) {
    std::size_t length = 0;
    x += Advance(CharacterAt(p, &length));
    p += length;
  }
  return static_cast<double>(x) / 64.0;
}

std::size_t ProfileView::PositionAtX(const Row& row, double x) const {
  const auto target = static_cast<std::int64_t>(std::llround(x * 64.0));
  std::int64_t left = 0;
  for (std::size_t p = row.begin; p < row.end;) {
    std::size_t length = 0;
    const std::int64_t advance = Advance(CharacterAt(p, &length));
    if (target < left + advance / 2) return p;
    left += advance;
    p += length;
  }
  // The end of a row that wraps is the next row's start: stay on this row.
  if (row.end != LineEnd(row.line) && row.end > row.begin) return PreviousCharacter(row.end);
  return row.end;
}

int ProfileView::TopRow() const {
  return verticalScrollBar()->value();
}

int ProfileView::PageRows() const {
  return std::max(1, (viewport()->height() - kMargin) / lineHeight_);
}

std::size_t ProfileView::PositionAt(const QPoint& point) const {
  if (RowCount() == 0) return 0;
  const int offset = point.y() - kMargin;
  const int rowsDown =
      offset >= 0 ? offset / lineHeight_ : -((-offset + lineHeight_ - 1) / lineHeight_);
  const long long row = std::clamp<long long>(static_cast<long long>(TopRow()) + rowsDown, 0,
                                              static_cast<long long>(RowCount()) - 1);
  return PositionAtX(RowAt(static_cast<std::size_t>(row)), point.x() - kMargin);
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
  const std::string_view text = TextView();
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
  return QString::fromUtf8(Bytes(0, TextView().size()));
}

std::size_t ProfileView::CursorLine() const {
  return LineOf(cursor_);
}

QString ProfileView::LineText(std::size_t line) const {
  if (line >= lineStarts_.size()) return {};
  const std::size_t begin = LineBegin(line);
  return QString::fromUtf8(TextView().data() + begin,
                           static_cast<qsizetype>(LineEnd(line) - begin));
}

void ProfileView::SelectAll() {
  const bool changed = anchor_ != 0 || cursor_ != TextEnd();
  anchor_ = 0;
  cursor_ = TextEnd();
  viewport()->update();
  UpdateAccessibleLine();
  if (changed) emit selectionChanged();
}

void ProfileView::Copy() const {
  if (!HasSelection()) return;
  try {
    // Plain text only, once: the clipboard takes the UTF-8 bytes as they are.
    auto mime = std::make_unique<QMimeData>();
    mime->setData(QStringLiteral("text/plain"),
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
  all->setEnabled(TextEnd() > 0);
  return menu;
}

// ---- cursor and selection ----

void ProfileView::MoveCursor(std::size_t position, bool extend, bool keepGoalX) {
  const std::size_t oldAnchor = anchor_;
  const std::size_t oldCursor = cursor_;
  cursor_ = std::min(position, TextEnd());
  if (!extend) anchor_ = cursor_;
  if (!keepGoalX) goalX_ = XOf(RowAt(RowOfPosition(cursor_)), cursor_);
  EnsureCursorVisible();
  viewport()->update();
  UpdateAccessibleLine();
  const bool hadSelection = oldAnchor != oldCursor;
  if ((hadSelection || HasSelection()) && (oldAnchor != anchor_ || oldCursor != cursor_)) {
    emit selectionChanged();
  }
}

void ProfileView::EnsureCursorVisible() {
  const auto row = static_cast<long long>(RowOfPosition(cursor_));
  const long long top = TopRow();
  const long long page = PageRows();
  if (row < top) {
    verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(row, INT_MAX)));
  } else if (row >= top + page) {
    verticalScrollBar()->setValue(static_cast<int>(std::min<long long>(row - page + 1, INT_MAX)));
  }
}

void ProfileView::SelectWordAt(std::size_t position) {
  const std::size_t line = LineOf(position);
  const std::size_t begin = LineBegin(line);
  const std::size_t end = LineEnd(line);
  std::size_t length = 0;
  // At the end of a word, the word before.
  if (position > begin && (position == end || IsBlank(CharacterAt(position, &length))) &&
      !IsBlank(CharacterAt(PreviousCharacter(position), &length))) {
    position = PreviousCharacter(position);
  }
  if (position >= end) {
    MoveCursor(position, false);
    return;
  }
  const bool blank = IsBlank(CharacterAt(position, &length));
  std::size_t first = position;
  while (first > begin && IsBlank(CharacterAt(PreviousCharacter(first), &length)) == blank) {
    first = PreviousCharacter(first);
  }
  std::size_t last = position;
  while (last < end && IsBlank(CharacterAt(last, &length)) == blank) last = NextCharacter(last);
  MoveCursor(first, false);
  MoveCursor(last, true);
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
  const QPalette& colors = palette();
  const std::string_view text = TextView();
  const std::size_t selectionStart = std::min(anchor_, cursor_);
  const std::size_t selectionEnd = std::max(anchor_, cursor_);
  const std::size_t cursorRow = RowOfPosition(cursor_);
  const auto top = static_cast<std::size_t>(TopRow());
  const int shown = viewport()->height() / lineHeight_ + 2;
  const double newlineWidth = static_cast<double>(asciiAdvance_[' ']) / 64.0;
  for (int k = 0; k < shown; ++k) {
    const std::size_t rowNumber = top + static_cast<std::size_t>(k);
    if (rowNumber >= RowCount()) break;
    const Row row = RowAt(rowNumber);
    const double y = kMargin + k * lineHeight_;
    const QString rowText =
        QString::fromUtf8(text.data() + row.begin, static_cast<qsizetype>(row.end - row.begin));
    const QPointF baseline(kMargin, y + ascent_);
    painter.setPen(colors.color(QPalette::Text));
    painter.drawText(baseline, rowText);
    if (selectionStart < selectionEnd && selectionStart <= row.end && selectionEnd > row.begin) {
      const double left = selectionStart > row.begin ? XOf(row, selectionStart) : 0.0;
      double right = XOf(row, std::min(selectionEnd, row.end));
      // A selected line end shows as a blank's width.
      if (selectionEnd > row.end && row.end == LineEnd(row.line)) right += newlineWidth;
      if (right > left) {
        const QRectF box(kMargin + left, y, right - left, lineHeight_);
        painter.fillRect(box, colors.color(QPalette::Highlight));
        painter.save();
        painter.setClipRect(box);
        painter.setPen(colors.color(QPalette::HighlightedText));
        painter.drawText(baseline, rowText);
        painter.restore();
      }
    }
    if (rowNumber == cursorRow && hasFocus()) {
      const double x = std::round(kMargin + XOf(row, cursor_));
      painter.fillRect(QRectF(x, y, 1.0, lineHeight_), colors.color(QPalette::Text));
    }
  }
}

void ProfileView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  const std::int64_t width = availableWidth_;
  UpdateMetrics();
  if (width != availableWidth_) {
    try {
      Relayout();
    } catch (const std::bad_alloc&) {
      ShowSource(nullptr);
    }
  }
  UpdateScrollBar();
}

void ProfileView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMetrics();
    try {
      Relayout();
    } catch (const std::bad_alloc&) {
      ShowSource(nullptr);
    }
    UpdateScrollBar();
    viewport()->update();
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
  const bool extend = (event->modifiers() & Qt::ShiftModifier) != 0;
  const bool control = (event->modifiers() & Qt::ControlModifier) != 0;
  const std::size_t row = RowOfPosition(cursor_);
  const std::size_t lastRow = RowCount() == 0 ? 0 : RowCount() - 1;
  switch (event->key()) {
    case Qt::Key_Left:
      if (control) {
        std::size_t p = cursor_;
        std::size_t length = 0;
        while (p > 0 && IsBlank(CharacterAt(PreviousCharacter(p), &length)))
          p = PreviousCharacter(p);
        if (p > 0 && p == LineBegin(LineOf(p))) {
          p = LineEnd(LineOf(p) - 1);
        } else {
          while (p > LineBegin(LineOf(p)) && !IsBlank(CharacterAt(PreviousCharacter(p), &length))) {
            p = PreviousCharacter(p);
          }
        }
        MoveCursor(p, extend);
      } else if (cursor_ == LineBegin(LineOf(cursor_))) {
        MoveCursor(cursor_ == 0 ? 0 : LineEnd(LineOf(cursor_) - 1), extend);
      } else {
        MoveCursor(PreviousCharacter(cursor_), extend);
      }
      break;
    case Qt::Key_Right: {
      const std::size_t line = LineOf(cursor_);
      if (cursor_ >= LineEnd(line)) {
        MoveCursor(line + 1 < LineCount() ? LineBegin(line + 1) : cursor_, extend);
      } else if (control) {
        std::size_t p = cursor_;
        std::size_t length = 0;
        while (p < LineEnd(line) && !IsBlank(CharacterAt(p, &length))) p = NextCharacter(p);
        while (p < LineEnd(line) && IsBlank(CharacterAt(p, &length))) p = NextCharacter(p);
        MoveCursor(p, extend);
      } else {
        MoveCursor(NextCharacter(cursor_), extend);
      }
      break;
    }
    case Qt::Key_Up:
      MoveCursor(row == 0 ? 0 : PositionAtX(RowAt(row - 1), goalX_), extend, row != 0);
      break;
    case Qt::Key_Down:
      MoveCursor(row >= lastRow ? TextEnd() : PositionAtX(RowAt(row + 1), goalX_), extend,
                 row < lastRow);
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      const auto page = static_cast<std::size_t>(PageRows());
      const bool down = event->key() == Qt::Key_PageDown;
      const std::size_t target =
          down ? std::min(lastRow, row + page) : (row > page ? row - page : 0);
      QScrollBar* bar = verticalScrollBar();
      bar->setValue(down ? bar->value() + bar->pageStep() : bar->value() - bar->pageStep());
      MoveCursor(PositionAtX(RowAt(target), goalX_), extend, true);
      break;
    }
    case Qt::Key_Home:
      MoveCursor(control ? 0 : RowAt(row).begin, extend);
      break;
    case Qt::Key_End: {
      if (control) {
        MoveCursor(TextEnd(), extend);
      } else {
        const Row current = RowAt(row);
        const bool wraps = current.end != LineEnd(current.line) && current.end > current.begin;
        MoveCursor(wraps ? PreviousCharacter(current.end) : current.end, extend);
      }
      break;
    }
    default:
      // The table is read-only: typing, pasting, deleting change nothing.
      event->ignore();
      return;
  }
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
