// The text view as the user meets it, on its own: a two-column table selected and copied with the
// keyboard, the mouse and the context menu, read-only, scrolled to the cursor, back at the top when
// a new text is shown; the menu's texts through the translation machinery; the owner's entries in
// its context menu; long and Japanese lines wrapped and copied back whole. The view has the size
// and the face of the window's table; the window's own use of it is tested in
// tests/ui/table_field_test.cpp.

#include "text_view.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHash>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <string>
#include <utility>

#include "text_view_helpers.h"

using namespace velmora::textview;
using test_helpers::ClipboardText;
using test_helpers::Shown;

namespace {

// A table of the kind the view is made for, made here: the depth of a hyperbola (a = 7.01356415,
// b² = 906.793409) at each whole radius from `first` to `last`, in rows "   1.00   0.004" ended
// by CR LF.
std::string Table(int first, int last) {
  constexpr double a = 7.01356415;
  constexpr double b2 = 906.793409;
  std::string table;
  const auto put = [&table](double value, int decimals, std::size_t width) {
    std::array<char, 32> digits{};
    const char* end =
        std::to_chars(digits.begin(), digits.end(), value, std::chars_format::fixed, decimals).ptr;
    const auto size = static_cast<std::size_t>(end - digits.begin());
    table.append(width > size ? width - size : 0, ' ').append(digits.begin(), size);
  };
  for (int r = first; r <= last; ++r) {
    const double radius = r;
    put(radius, 2, 7);
    put(std::sqrt(a * a * (radius * radius / b2 + 1.0)) - a, 3, 8);
    table += "\r\n";
  }
  return table;
}

// What an owner does to the view's text: shows a new table, or an empty one.
enum class Command { Calculate, Clear };

}  // namespace

class TextViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TextView> view_;
  std::pair<int, int> range_{0, 35};  // the radii of the next table
  std::shared_ptr<const std::string> table_;

  // A table shown as it is.
  void ShowTable(const QString& text) {
    View()->Show(
        IndexedText(std::make_shared<const std::string>(text.toStdString()), View()->Layout()));
  }

  // A view the size of the window's table (1812 by 5772 twips at 96 dpi) in its face (9-point
  // bold Ume P Gothic), active, showing nothing yet.
  void Started() {
    range_ = {0, 35};
    table_ = std::make_shared<const std::string>();
    view_ = std::make_unique<TextView>();
    QFont face(QStringLiteral("Ume P Gothic"));
    face.setPointSizeF(9.0);
    face.setBold(true);
    view_->setFont(face);
    view_->setFixedSize(121, 385);
    view_->show();
    view_->activateWindow();
    if (!QTest::qWaitForWindowActive(view_.get())) qFatal("the view did not become active");
  }
  TextView* View() { return view_.get(); }
  const std::string& TableField() { return *table_; }
  // A new table of the range, or none, shown as a new text.
  void Click(Command command) {
    table_ = std::make_shared<const std::string>(
        command == Command::Calculate ? Table(range_.first, range_.second) : std::string());
    View()->Show(IndexedText(table_, View()->Layout()));
  }
  void SetRange(int first, int last) { range_ = {first, last}; }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(View(), static_cast<Qt::Key>(key), modifiers);
  }
  // Keys as "Down S+Down C+End SC+Home": Shift, Ctrl, both; "Down*3" three times.
  static QTestEventList Keys(const QString& keys) {
    QTestEventList events;
    for (const QString& word : keys.split(' ', Qt::SkipEmptyParts)) {
      const QStringList parts = word.split('+');
      const QString modifiers = parts.size() > 1 ? parts.first() : QString();
      const QStringList repeat = parts.last().split('*');
      static const QHash<QString, Qt::Key> kNames = {
          {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},   {"Up", Qt::Key_Up},
          {"Down", Qt::Key_Down}, {"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
          {"Home", Qt::Key_Home}, {"End", Qt::Key_End}};
      const Qt::Key key = kNames.value(repeat.first());
      const Qt::KeyboardModifiers held =
          (modifiers.contains('S') ? Qt::ShiftModifier : Qt::NoModifier) |
          (modifiers.contains('C') ? Qt::ControlModifier : Qt::NoModifier);
      for (int k = 0; k < (repeat.size() > 1 ? repeat.last().toInt() : 1); ++k) {
        events.addKeyClick(key, held);
      }
    }
    return events;
  }
  // The centre of a text row of the view, in viewport coordinates (4 pixels of margin).
  QPoint RowPoint(int row, int x) {
    const int height = QFontMetrics(View()->font()).height();
    return {x, 4 + row * height + height / 2};
  }

 private slots:
  void cleanup() { view_.reset(); }

  // Keys from the top of the worked example's table, the text Ctrl+C then copies and the table
  // forms of the copy. The rows' texts are those of the worked example; radius 4, not among them,
  // is by hand: sqrt(7.01356415^2 * (16 / 906.793409 + 1)) - 7.01356415 = 0.0616.
  void keyboardSelects_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QString>("tabSeparated");
    const auto row = [](const char* name, const char* keys, const char* copied, const char* html,
                        const char* tabSeparated) {
      QTest::newRow(name) << keys << copied << html << tabSeparated;
    };
    row("Down Down, Shift+Down x3 -> rows 3 to 5", "Down Down S+Down S+Down S+Down",
        "   2.00   0.015\n   3.00   0.035\n   4.00   0.062\n",
        "<table>\n<tr><td>2.00</td><td>0.015</td></tr>\n<tr><td>3.00</td><td>0.035</td></tr>\n"
        "<tr><td>4.00</td><td>0.062</td></tr>\n</table>\n",
        "2.00\t0.015\n3.00\t0.035\n4.00\t0.062\n");
    row("Shift+Right Shift+End Shift+Left -> row 1 but its last digit", "S+Right S+End S+Left",
        "   0.00   0.00", "<table>\n<tr><td>0.00</td><td>0.00</td></tr>\n</table>\n",
        "0.00\t0.00\n");
    row("Down End, Shift+Left x5 -> the depth of row 2",
        "Down End S+Left S+Left S+Left S+Left S+Left", "0.004",
        "<table>\n<tr><td>0.004</td></tr>\n</table>\n", "0.004\n");
    row("Shift+Ctrl+Right x2 -> the radius of row 1 and the blanks after it", "SC+Right SC+Right",
        "   0.00   ", "<table>\n<tr><td>0.00</td></tr>\n</table>\n", "0.00\n");
    row("Down Right, Shift+Down x2 -> the cursor keeps its column", "Down Right S+Down S+Down",
        "  1.00   0.004\n   2.00   0.015\n ",
        "<table>\n<tr><td>1.00</td><td>0.004</td></tr>\n<tr><td>2.00</td><td>0.015</td></tr>\n"
        "</table>\n",
        "1.00\t0.004\n2.00\t0.015\n");
    row("Ctrl+End Shift+Up -> the last row", "C+End S+Up", "  35.00   3.740\n",
        "<table>\n<tr><td>35.00</td><td>3.740</td></tr>\n</table>\n", "35.00\t3.740\n");
    row("Ctrl+End Shift+Ctrl+Home -> everything", "C+End SC+Home", "*", "", "");
    row("Shift+Ctrl+End -> everything", "SC+End", "*", "", "");
    // At the ends of the text a motion stays, or goes to the end it is at.
    row("Shift+Left at the start -> nothing", "S+Left", "", "", "");
    row("Shift+Ctrl+Left at the start -> nothing", "SC+Left", "", "", "");
    row("Shift+PageUp at the start -> nothing", "S+PageUp", "", "", "");
    row("Right x3 Shift+Up -> the first row's start", "Right Right Right S+Up", "   ",
        "<table>\n</table>\n", "");
    row("Right x5 Shift+Home -> the row's start", "Right Right Right Right Right S+Home", "   0.",
        "<table>\n<tr><td>0.</td></tr>\n</table>\n", "0.\n");
    row("Down Down Right Shift+PageUp -> the first row, same column", "Down Down Right S+PageUp",
        "  0.00   0.000\n   1.00   0.004\n ",
        "<table>\n<tr><td>0.00</td><td>0.000</td></tr>\n<tr><td>1.00</td><td>0.004</td></tr>\n"
        "</table>\n",
        "0.00\t0.000\n1.00\t0.004\n");
    row("Down Shift+Left -> the line end before", "Down S+Left", "\n", "<table>\n</table>\n", "");
    row("Down Shift+Ctrl+Left -> the line end before", "Down SC+Left", "\n", "<table>\n</table>\n",
        "");
    row("End Shift+Right -> the next line's start", "End S+Right", "\n", "<table>\n</table>\n", "");
    row("End Shift+Ctrl+Right -> the next line's start", "End SC+Right", "\n",
        "<table>\n</table>\n", "");
    row("Ctrl+End Shift+Right -> nothing", "C+End S+Right", "", "", "");
    row("Ctrl+End Shift+Ctrl+Right -> nothing", "C+End SC+Right", "", "", "");
    row("Ctrl+End Shift+Down -> nothing", "C+End S+Down", "", "", "");
    row("Ctrl+End Shift+PageDown -> nothing", "C+End S+PageDown", "", "", "");
    row("Ctrl+End Shift+End -> nothing", "C+End S+End", "", "", "");
    row("Ctrl+End Shift+Home -> nothing, the last line is empty", "C+End S+Home", "", "", "");
    row("Ctrl+End Up Right Shift+Down -> to the end", "C+End Up Right S+Down", " 35.00   3.740\n",
        "<table>\n<tr><td>35.00</td><td>3.740</td></tr>\n</table>\n", "35.00\t3.740\n");
    row("End on row 35, Down x2, Shift+Up -> the column kept over the empty line",
        "C+End Up Up End Down Down S+Up", "\n", "<table>\n</table>\n", "");
    row("Ctrl+End Up Up Right Shift+PageDown -> to the end", "C+End Up Up Right S+PageDown",
        " 34.00   3.565\n  35.00   3.740\n",
        "<table>\n<tr><td>34.00</td><td>3.565</td></tr>\n<tr><td>35.00</td><td>3.740</td></tr>\n"
        "</table>\n",
        "34.00\t3.565\n35.00\t3.740\n");
  }

  void keyboardSelects() {
    QFETCH(QString, keys);
    QFETCH(QString, copied);
    QFETCH(QString, html);
    QFETCH(QString, tabSeparated);
    Started();
    Click(Command::Calculate);
    if (copied == "*") copied = Shown(TableField());
    View()->setFocus();
    QGuiApplication::clipboard()->clear();
    Keys(keys).simulate(View());
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), copied);
    QCOMPARE(View()->SelectedText(), copied);
    if (copied == Shown(TableField())) return;  // the table's forms of three rows suffice
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();  // none when cleared
    const auto form = [mime](const char* type) {
      return mime != nullptr ? QString::fromUtf8(mime->data(type)) : QString();
    };
    QCOMPARE(form("text/html"), html);
    QCOMPARE(form("text/tab-separated-values"), tabSeparated);
  }

  void copyOfAnyTextIsValidHtml() {
    Started();
    ShowTable(QStringLiteral("a<b & c>d\n\n e"));
    View()->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QString::fromUtf8(QGuiApplication::clipboard()->mimeData()->data("text/html")),
             QStringLiteral("<table>\n<tr><td>a&lt;b</td><td>&amp;</td><td>c&gt;d</td></tr>\n"
                            "<tr><td>e</td></tr>\n</table>\n"));
  }

  // A jump of the cursor scrolls just far enough to show it, in a table of 1,000 rows; the
  // expected top row in pages P and from the top or the last top.
  void cursorScrollsIntoView_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("fromLastTop");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("rows");
    QTest::newRow("Down to the page's last row: no scroll") << "Down*P-1" << false << 0 << 0;
    QTest::newRow("Down one row beyond the page: one row") << "Down*P" << false << 0 << 1;
    QTest::newRow("Page Down: a page") << "PageDown" << false << 1 << 0;
    QTest::newRow("Page Down, Page Up: the top") << "PageDown PageUp" << false << 0 << 0;
    QTest::newRow("Page Down x2, Ctrl+Home: the top")
        << "PageDown PageDown C+Home" << false << 0 << 0;
    QTest::newRow("Ctrl+End: the last top") << "C+End" << true << 0 << 0;
    QTest::newRow("Ctrl+End, Up to the page's top row") << "C+End Up*P-1" << true << 0 << 0;
    QTest::newRow("Ctrl+End, Up one row above the page") << "C+End Up*P" << true << 0 << -1;
    QTest::newRow("Ctrl+End, Page Up: a page up") << "C+End PageUp" << true << -1 << 0;
    QTest::newRow("Ctrl+End, Home: the last top") << "C+End Home" << true << 0 << 0;
  }

  void cursorScrollsIntoView() {
    QFETCH(QString, keys);
    QFETCH(bool, fromLastTop);
    QFETCH(int, pages);
    QFETCH(int, rows);
    Started();
    SetRange(1, 1000);
    Click(Command::Calculate);
    View()->setFocus();
    QScrollBar* bar = View()->verticalScrollBar();
    const int page = bar->pageStep();
    QCOMPARE(bar->maximum(), 1001 - page);  // 1,000 rows and the empty line after the last
    keys.replace("*P-1", "*" + QString::number(page - 1))
        .replace("*P", "*" + QString::number(page));
    Keys(keys).simulate(View());
    QCOMPARE(bar->value(), (fromLastTop ? bar->maximum() : 0) + pages * page + rows);
  }

  void aKeyBringsTheScrolledAwayCursorBack() {
    Started();
    SetRange(1, 1000);
    Click(Command::Calculate);
    View()->setFocus();
    View()->verticalScrollBar()->setValue(500);
    Key(Qt::Key_Right);
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    Key(Qt::Key_End, Qt::ControlModifier);
    View()->verticalScrollBar()->setValue(500);
    Key(Qt::Key_Left);  // to the last row of the table, just above the empty line
    QCOMPARE(View()->verticalScrollBar()->value(), View()->verticalScrollBar()->maximum() - 1);
  }

  void pageKeysMoveAndScroll() {
    Started();
    Click(Command::Calculate);
    View()->setFocus();
    // Page Down moves by a page of rows and scrolls; Ctrl+End reaches the end.
    Key(Qt::Key_PageDown);
    QVERIFY(View()->CursorLine().Number() > 10);
    QVERIFY(View()->verticalScrollBar()->value() > 0);
    Key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(View()->CursorLine().Number(), 36U);
    QCOMPARE(View()->verticalScrollBar()->value(), View()->verticalScrollBar()->maximum());
    Key(Qt::Key_PageUp);
    QVERIFY(View()->CursorLine().Number() < 36U);
    Key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(View()->CursorLine().Number(), 0U);
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    QVERIFY(!View()->HasSelection());
  }

  void selectAllCopiesAHundredThousandRows() {
    Started();
    SetRange(1, 100000);
    Click(Command::Calculate);
    View()->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = ClipboardText();
    QCOMPARE(copied.count('\n'), 100'000);
    QCOMPARE(copied, Shown(TableField()));
  }

  void typingIntoTheViewChangesNothing() {
    Started();
    Click(Command::Calculate);
    const std::string before = TableField();
    const QString shown = View()->Text();
    View()->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(View(), "abc 1.5");
    for (const int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Backspace, Qt::Key_Delete}) {
      Key(key);
    }
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    Key(Qt::Key_Delete);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(TableField(), before);
    QCOMPARE(View()->Text(), shown);
    QVERIFY(!View()->testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(QApplication::focusWidget(), View());
  }

  void newCalculationScrollsToTheTop() {
    Started();
    SetRange(0, 999);
    Click(Command::Calculate);
    View()->setFocus();
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    QVERIFY(View()->verticalScrollBar()->value() > 900);
    Click(Command::Calculate);
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    QCOMPARE(View()->CursorLine().Number(), 0U);
    QVERIFY(!View()->HasSelection());
    QCOMPARE(View()->LineText(Line(0)), QStringLiteral("   0.00   0.000"));
  }

  // The menu's texts are the view's English as the application translates them: here by a
  // translator of the test's own, for the view's context only.
  void contextMenuTextsAreTranslated() {
    struct Shouting : QTranslator {
      [[nodiscard]] bool isEmpty() const override { return false; }
      [[nodiscard]] QString translate(const char* context, const char* source, const char*,
                                      int) const override {
        return qstrcmp(context, "velmora::textview::TextView") == 0
                   ? QString::fromLatin1(source).toUpper()
                   : QString();
      }
    } shouting;
    Started();
    Click(Command::Calculate);
    std::unique_ptr<QMenu> english(View()->CreateContextMenu(nullptr));
    QCOMPARE(english->actions().first()->text(), QStringLiteral("Copy"));
    QCOMPARE(english->actions().last()->text(), QStringLiteral("Select All"));
    QCoreApplication::installTranslator(&shouting);
    QWidget* viewport = View()->viewport();
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QStringList texts;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    QCoreApplication::removeTranslator(&shouting);
    QCOMPARE(texts, (QStringList{QStringLiteral("COPY"), QStringLiteral("SELECT ALL")}));
    QVERIFY(!menu->actions().first()->isEnabled());  // nothing selected yet
    menu->actions().last()->trigger();               // Select All
    menu->close();
    QCOMPARE(View()->SelectedText(), View()->Text());
    std::unique_ptr<QMenu> again(View()->CreateContextMenu(nullptr));
    QAction* copy = again->actions().first();
    QVERIFY(copy->isEnabled());
    QGuiApplication::clipboard()->clear();
    copy->trigger();
    QCOMPARE(ClipboardText(), View()->Text());
  }

  void mouseSelectsByCharacterWordAndShiftClick() {
    Started();
    Click(Command::Calculate);
    QWidget* viewport = View()->viewport();
    // A drag from the start of row 1 to the start of row 3 selects rows 1 and 2.
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(1, 2));
    QTest::mouseMove(viewport, RowPoint(3, 2));
    QMouseEvent move(QEvent::MouseMove, RowPoint(3, 2), viewport->mapToGlobal(RowPoint(3, 2)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(3, 2));
    QCOMPARE(View()->SelectedText(), QStringLiteral("   1.00   0.004\n   2.00   0.015\n"));
    QCOMPARE(QApplication::focusWidget(), View());
    // Shift+click extends the selection to the start of row 4.
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, RowPoint(4, 2));
    QCOMPARE(View()->SelectedText().count('\n'), 3);
    // A double-click selects the word under the pointer: the depth at the end of row 2.
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, RowPoint(2, 70));
    QCOMPARE(View()->SelectedText(), QStringLiteral("0.015"));
  }

  // What a press of each mouse button on row 5 does to a selection of rows 1 and 2 (made with
  // the keyboard, the cursor at the start of row 3).
  void mouseButtonsAndTheSelection_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("cursorLine");
    const QString rows12 = QStringLiteral("   1.00   0.004\n   2.00   0.015\n");
    QTest::newRow("left: the cursor, no selection") << int(Qt::LeftButton) << false << "" << 5;
    QTest::newRow("Shift+left: extended from the anchor")
        << int(Qt::LeftButton) << true << rows12 + "   3.00   0.035\n   4.00   0.062\n"
        << 5;
    QTest::newRow("right: kept") << int(Qt::RightButton) << false << rows12 << 3;
    QTest::newRow("Shift+right: kept") << int(Qt::RightButton) << true << rows12 << 3;
    QTest::newRow("middle: kept") << int(Qt::MiddleButton) << false << rows12 << 3;
    QTest::newRow("Shift+middle: kept") << int(Qt::MiddleButton) << true << rows12 << 3;
  }

  void mouseButtonsAndTheSelection() {
    QFETCH(int, button);
    QFETCH(bool, shift);
    QFETCH(QString, selected);
    QFETCH(int, cursorLine);
    Started();
    Click(Command::Calculate);
    View()->setFocus();
    Keys("Down S+Down S+Down").simulate(View());
    const auto modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::mousePress(View()->viewport(), Qt::MouseButton(button), modifiers, RowPoint(5, 2));
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();  // the right button's
    QTest::mouseRelease(View()->viewport(), Qt::MouseButton(button), modifiers, RowPoint(5, 2));
    QCOMPARE(View()->SelectedText(), selected);
    QCOMPARE(View()->CursorLine().Number(), std::size_t(cursorLine));
  }

  // A click lands before a character in its left half and after it in its right half: the
  // characters from there to the end of row 1, "   1.00   0.004", with Shift+End.
  void clickLandsWithinACharacter_data() {
    QTest::addColumn<int>("character");
    QTest::addColumn<bool>("rightHalf");
    QTest::addColumn<QString>("rest");
    QTest::addColumn<QString>("word");  // what a double-click there selects
    QTest::newRow("the first blank's left half") << 0 << false << "   1.00   0.004"
                                                 << "   ";
    QTest::newRow("the first blank's right half") << 0 << true << "  1.00   0.004"
                                                  << "   ";
    QTest::newRow("the radius' 1, left half") << 3 << false << "1.00   0.004"
                                              << "1.00";
    QTest::newRow("the radius' 1, right half") << 3 << true << ".00   0.004"
                                               << "1.00";
    QTest::newRow("the blank after the radius, left half") << 7 << false << "   0.004"
                                                           << "1.00";
    QTest::newRow("the blank after the radius, right half") << 7 << true << "  0.004"
                                                            << "   ";
    QTest::newRow("the depth's point, left half") << 11 << false << ".004"
                                                  << "0.004";
    QTest::newRow("the last digit's left half") << 14 << false << "4"
                                                << "0.004";
    QTest::newRow("the last digit's right half") << 14 << true << ""
                                                 << "0.004";
  }

  void clickLandsWithinACharacter() {
    QFETCH(int, character);
    QFETCH(bool, rightHalf);
    QFETCH(QString, rest);
    QFETCH(QString, word);
    Started();
    Click(Command::Calculate);
    // The character's left edge and width in 1/64 pixel, as fonts measure them.
    const QFontMetricsF metrics(View()->font());
    const auto width = [&](QChar c) {
      return std::llround(metrics.horizontalAdvance(c) * kWidthPerPixel);
    };
    const QString row = QStringLiteral("   1.00   0.004");
    long long left = 0;
    for (int k = 0; k < character; ++k) left += width(row[k]);
    const long long middle = left + width(row[character]) / 2;
    // The last whole pixel before the middle, or the first at or after it.
    const long long firstAtOrAfter = (middle + kWidthPerPixel - 1) / kWidthPerPixel;
    const QPoint at = RowPoint(1, 4 + static_cast<int>(firstAtOrAfter - (rightHalf ? 0 : 1)));
    QTest::mouseClick(View()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    Key(Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(View()->SelectedText(), rest);
    QTest::mouseDClick(View()->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(View()->SelectedText(), word);
  }

  void wheelScrollsIt() {
    Started();
    SetRange(0, 999);
    Click(Command::Calculate);
    QWidget* viewport = View()->viewport();
    const QPointF at(20, 20);
    QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QVERIFY(View()->verticalScrollBar()->value() > 0);
    QCOMPARE(View()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(View()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  }

  // The owner's actions follow the view's own after a separator, as the owner made them: the view
  // neither owns them nor changes their enabled state, shortcut or tooltip.
  void menuShowsTheOwnersActionsAfterItsOwn() {
    Started();
    Click(Command::Calculate);
    std::unique_ptr<QMenu> plain(View()->CreateContextMenu(nullptr));
    QCOMPARE(plain->actions().size(), 3);  // Copy, a separator, Select All: nothing after them
    QAction save(QStringLiteral("save"));
    save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    save.setToolTip(QStringLiteral("saves the table"));
    auto* off = new QAction(QStringLiteral("off"));
    off->setEnabled(false);
    int saved = 0;
    connect(&save, &QAction::triggered, this, [&saved] { ++saved; });
    View()->AddMenuActions({&save, off});
    std::unique_ptr<QMenu> menu(View()->CreateContextMenu(nullptr));
    const QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), 6);
    QCOMPARE(actions[0]->objectName(), QStringLiteral("copy"));
    QVERIFY(actions[1]->isSeparator());
    QCOMPARE(actions[2]->objectName(), QStringLiteral("selectAll"));
    QVERIFY(actions[3]->isSeparator());
    QCOMPARE(actions[4], &save);
    QCOMPARE(actions[5], off);
    QVERIFY(save.isEnabled());
    QVERIFY(!off->isEnabled());
    QCOMPARE(save.shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(save.toolTip(), QStringLiteral("saves the table"));
    actions[4]->trigger();
    QCOMPARE(saved, 1);
    menu.reset();
    QPointer<QAction> kept(off);
    QVERIFY(!kept.isNull());  // the menu went, the owner's actions stay
    delete off;
    // The menu the right button opens: an action its owner deleted has left it.
    QWidget* viewport = View()->viewport();
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(popup != nullptr);
    QStringList texts;
    for (QAction* action : popup->actions()) {
      if (!action->isSeparator()) texts << action->text();
    }
    popup->close();
    QCOMPARE(texts, (QStringList{QStringLiteral("Copy"), QStringLiteral("Select All"),
                                 QStringLiteral("save")}));
  }

  // A page is the rows wholly in view below the 4-pixel margin: in a view 11 rows and a pixel high
  // the margin cuts the 11th row, so a page holds 10.
  void aPageCountsTheRowsWhollyInView() {
    Started();
    SetRange(1, 1000);
    Click(Command::Calculate);
    const int height = static_cast<int>(std::ceil(QFontMetricsF(View()->font()).height()));
    const int frame = View()->height() - View()->viewport()->height();
    View()->setFixedSize(121, frame + 11 * height + 1);
    QCOMPARE(View()->viewport()->height(), 11 * height + 1);
    QCOMPARE(View()->verticalScrollBar()->pageStep(), 10);
  }

  // A new width wraps the same text anew: a narrower view wraps the worked example's rows, the
  // old width shows them whole again, and the text stays the same throughout.
  void aNewWidthWrapsTheSameTextAgain() {
    Started();
    Click(Command::Calculate);
    const QString shown = Shown(TableField());
    View()->setFixedSize(60, 385);
    QCOMPARE(View()->Text(), shown);
    QVERIFY(View()->RowCount() > View()->LineCount());
    View()->setFixedSize(121, 385);
    QCOMPARE(View()->Text(), shown);
    QCOMPARE(View()->RowCount(), View()->LineCount());
  }

  // A text indexed for another width (the view was resized since) is shown in rows of the view's
  // own width.
  void anIndexMadeForAnotherWidthIsMadeAgain() {
    Started();
    const auto text = std::make_shared<const std::string>(std::string(3000, '7'));
    TextLayout narrow = View()->Layout();
    narrow.wrapWidth = kWidthPerPixel * 20;
    View()->Show(IndexedText(text, narrow));
    QCOMPARE(View()->Index().Layout(), View()->Layout());
    QCOMPARE(View()->RowCount(), IndexedText(text, View()->Layout()).Index().RowCount());
    QCOMPARE(View()->Text(), QString::fromStdString(*text));
  }

  // Japanese lines wider than the view: a line without a blank wraps between characters, one with
  // ideographic spaces (U+3000) after them; every row stays within the view, Ctrl+A Ctrl+C copies
  // the line back whole, and Shift+Ctrl+Right from the start selects the first word and its blank.
  void japaneseLinesWrapAndCopyBackWhole_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("wrapsAtBlanks");
    QTest::addColumn<QString>("firstWord");
    const QString table = QString::fromUtf8("副反射鏡プロファイル表");
    const QString word = QString::fromUtf8("副反射鏡") + QChar(0x3000);
    QTest::newRow("no blank: between characters")
        << table.repeated(40) << false << table.repeated(40);
    QTest::newRow("ideographic spaces: after them") << word.repeated(30) << true << word;
    QTest::newRow("a table row, then Japanese")
        << QStringLiteral("   0.00   0.000") + QChar(0x3000) + table.repeated(10) << false
        << QStringLiteral("   ");
  }
  void japaneseLinesWrapAndCopyBackWhole() {
    QFETCH(QString, line);
    QFETCH(bool, wrapsAtBlanks);
    QFETCH(QString, firstWord);
    Started();
    ShowTable(line);
    QCOMPARE(View()->LineCount(), 1U);
    QVERIFY(View()->RowCount() > 3);
    const TextIndex& index = View()->Index();
    const Width width = kWidthPerPixel * (View()->viewport()->width() - 8);
    for (std::size_t r = 0; r < index.RowCount(); ++r) {
      const TextRow row = index.RowAt(Row(r));
      if (!index.Wraps(row)) continue;
      const char32_t last = index.CharacterAt(index.PreviousCharacter(row.end));
      // Blanks may hang over the edge; the characters before them stay within it.
      Position inside = row.end;
      while (inside > row.begin && IsBlank(index.CharacterAt(index.PreviousCharacter(inside)))) {
        inside = index.PreviousCharacter(inside);
      }
      QVERIFY(index.XOf(row, inside) <= width);
      if (wrapsAtBlanks) QCOMPARE(last, U'\u3000');
    }
    View()->setFocus();
    View()->repaint();
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), line);
    QCOMPARE(View()->SelectedText(), line);
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(View()->SelectedText(), firstWord);
  }
};

QTEST_MAIN(TextViewTest)
#include "text_view_test.moc"
