// The profile table Text15 as the user meets it: read back exactly, selected and copied with the
// keyboard, the mouse and the context menu, read-only, emptied by Clear, back at the top after a
// new calculation, in the tab order; wrapping of lines wider than the view; and a calculation that
// runs out of memory ends as a failing step while the window goes on answering.
//
// The out-of-memory cases replace this test program's global operator new (and delete) with one
// that can be told to fail from a given size on, so that the product code needs no hook: the
// failure reaches it as a real std::bad_alloc from a real allocation. (AddressSanitizer's own
// operator new never throws, and an address-space limit cannot be set under it.)

#include "profile_view.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "app.h"
#include "main_window.h"
#include "started_shell.h"

// ---- allocations that fail on request ----

namespace {

std::atomic<std::size_t> gFailFrom{static_cast<std::size_t>(-1)};
std::atomic<std::size_t> gFailBelow{static_cast<std::size_t>(-1)};
std::atomic<int> gFailures{0};

void* Allocate(std::size_t size) noexcept {
  if (size >= gFailFrom.load(std::memory_order_relaxed) &&
      size < gFailBelow.load(std::memory_order_relaxed)) {
    gFailures.fetch_add(1, std::memory_order_relaxed);
    return nullptr;
  }
  return std::malloc(size == 0 ? 1 : size);
}

void* AllocateOrThrow(std::size_t size) {
  void* p = Allocate(size);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}

// While alive, every allocation by operator new of `from` bytes or more, and below `below`, fails.
class FailingAllocations {
 public:
  explicit FailingAllocations(std::size_t from, std::size_t below = static_cast<std::size_t>(-1)) {
    gFailures = 0;
    gFailFrom = from;
    gFailBelow = below;
  }
  ~FailingAllocations() {
    gFailFrom = static_cast<std::size_t>(-1);
    gFailBelow = static_cast<std::size_t>(-1);
  }
  FailingAllocations(const FailingAllocations&) = delete;
  FailingAllocations& operator=(const FailingAllocations&) = delete;
};

}  // namespace

void* operator new(std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
  return AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
  std::free(p);
}

// ---- the tests ----

using namespace velmora::ui;
using velmora::FieldId;

namespace {

// The field's text as the view shows it and copies it: each CR LF one "\n".
QString Shown(const std::string& fieldText) {
  QString text = QString::fromStdString(fieldText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

QString ClipboardText() {
  return QGuiApplication::clipboard()->text();
}

}  // namespace

class ProfileViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Shell> form_;

  Shell& Started() {
    form_ = StartedShell();
    return *form_;
  }
  ProfileView* View() { return qobject_cast<ProfileView*>(form_->Window().FieldWidget(15)); }
  const std::string& TableField() { return form_->Core().Fields().Text(FieldId::Text15); }
  void Click(Command command) { ClickCommand(*form_, command); }
  void SetRange(const char* start, const char* stop) {
    form_->Core().Fields().Write(FieldId::Text17, start);
    form_->Core().Fields().Write(FieldId::Text18, stop);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(View(), static_cast<Qt::Key>(key), modifiers);
  }
  // The centre of a text row of the view, in viewport coordinates (4 pixels of margin).
  QPoint RowPoint(int row, int x) {
    const int height = QFontMetrics(View()->font()).height();
    return {x, 4 + row * height + height / 2};
  }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void cleanup() { form_.reset(); }

  void workedExampleReadsBackExactly() {
    Started();
    Click(Command::Calculate);
    // The field keeps the calculation's CR LF; the view shows and copies one row a line.
    QCOMPARE(TableField().size(), 36U * 17U);
    QVERIFY(TableField().starts_with("   0.00   0.000\r\n   1.00   0.004\r\n"));
    QVERIFY(TableField().ends_with("  35.00   3.740\r\n"));
    const QString shown = Shown(TableField());
    QCOMPARE(View()->Text(), shown);
    QCOMPARE(form_->Window().FieldText(15), shown);
    QCOMPARE(View()->LineCount(), 37U);  // 36 rows and the empty line after the last CR LF
    QCOMPARE(View()->LineText(0), QStringLiteral("   0.00   0.000"));
    QCOMPARE(View()->LineText(35), QStringLiteral("  35.00   3.740"));
    // Every row fits the view's width: no row wraps.
    QCOMPARE(View()->RowCount(), View()->LineCount());
    View()->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), shown);
    QCOMPARE(ClipboardText().count('\n'), 36);
    // The plain text, and the same rows as a table for spreadsheets.
    QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(),
             (QStringList{"text/plain", "text/html", "text/tab-separated-values"}));
  }

  // Keys from the top of the worked example's table, and the text Ctrl+C then copies. The rows'
  // texts are those of the worked example; radius 4, not among them, is by hand:
  // sqrt(7.01356415^2 * (16 / 906.793409 + 1)) - 7.01356415 = 0.0616.
  void keyboardSelects_data() {
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("copied");
    const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> list) {
      QTestEventList events;
      for (const auto& [key, modifiers] : list) events.addKeyClick(key, modifiers);
      return events;
    };
    const auto shift = Qt::KeyboardModifiers(Qt::ShiftModifier);
    const auto none = Qt::KeyboardModifiers(Qt::NoModifier);
    const auto control = Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Down Down, Shift+Down x3 -> rows 3 to 5")
        << keys({{Qt::Key_Down, none},
                 {Qt::Key_Down, none},
                 {Qt::Key_Down, shift},
                 {Qt::Key_Down, shift},
                 {Qt::Key_Down, shift}})
        << QStringLiteral("   2.00   0.015\n   3.00   0.035\n   4.00   0.062\n");
    QTest::newRow("Shift+Right Shift+End Shift+Left -> row 1 but its last digit")
        << keys({{Qt::Key_Right, shift}, {Qt::Key_End, shift}, {Qt::Key_Left, shift}})
        << QStringLiteral("   0.00   0.00");
    QTest::newRow("Down End, Shift+Left x5 -> the depth of row 2") << keys({{Qt::Key_Down, none},
                                                                            {Qt::Key_End, none},
                                                                            {Qt::Key_Left, shift},
                                                                            {Qt::Key_Left, shift},
                                                                            {Qt::Key_Left, shift},
                                                                            {Qt::Key_Left, shift},
                                                                            {Qt::Key_Left, shift}})
                                                                   << QStringLiteral("0.004");
    QTest::newRow("Shift+Ctrl+Right x2 -> the radius of row 1 and the blanks after it")
        << keys({{Qt::Key_Right, shift | control}, {Qt::Key_Right, shift | control}})
        << QStringLiteral("   0.00   ");
    QTest::newRow("Down Right, Shift+Down x2 -> the cursor keeps its column")
        << keys({{Qt::Key_Down, none},
                 {Qt::Key_Right, none},
                 {Qt::Key_Down, shift},
                 {Qt::Key_Down, shift}})
        << QStringLiteral("  1.00   0.004\n   2.00   0.015\n ");
    QTest::newRow("Ctrl+End Shift+Up -> the last row")
        << keys({{Qt::Key_End, control}, {Qt::Key_Up, shift}})
        << QStringLiteral("  35.00   3.740\n");
    QTest::newRow("Ctrl+End Shift+Ctrl+Home -> everything")
        << keys({{Qt::Key_End, control}, {Qt::Key_Home, shift | control}})
        << QString();  // compared with the field below
  }
  void keyboardSelects() {
    QFETCH(QTestEventList, keys);
    QFETCH(QString, copied);
    Started();
    Click(Command::Calculate);
    if (copied.isEmpty()) copied = Shown(TableField());
    View()->setFocus();
    keys.simulate(View());
    Key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(ClipboardText(), copied);
    QCOMPARE(View()->SelectedText(), copied);
  }

  void pageKeysMoveAndScroll() {
    Started();
    Click(Command::Calculate);
    View()->setFocus();
    // Page Down moves by a page of rows and scrolls; Ctrl+End reaches the end.
    Key(Qt::Key_PageDown);
    QVERIFY(View()->CursorLine() > 10);
    QVERIFY(View()->verticalScrollBar()->value() > 0);
    Key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(View()->CursorLine(), 36U);
    QCOMPARE(View()->verticalScrollBar()->value(), View()->verticalScrollBar()->maximum());
    Key(Qt::Key_PageUp);
    QVERIFY(View()->CursorLine() < 36U);
    Key(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(View()->CursorLine(), 0U);
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    QVERIFY(!View()->HasSelection());
  }

  void selectAllCopiesAHundredThousandRows() {
    Started();
    SetRange("1", "100000");
    Click(Command::Calculate);
    QCOMPARE(TableField().size(), 100'000U * 17U);
    View()->setFocus();
    Key(Qt::Key_A, Qt::ControlModifier);
    Key(Qt::Key_C, Qt::ControlModifier);
    const QString copied = ClipboardText();
    QCOMPARE(copied.size(), 100'000 * 16);
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

  void clearEmptiesIt() {
    Started();
    Click(Command::Calculate);
    View()->setFocus();
    Key(Qt::Key_PageDown);
    Key(Qt::Key_A, Qt::ControlModifier);
    Click(Command::Clear);
    QCOMPARE(View()->Text(), QString());
    QCOMPARE(form_->Window().FieldText(15), QString());
    QCOMPARE(View()->LineCount(), 1U);
    QVERIFY(!View()->HasSelection());
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    QCOMPARE(View()->verticalScrollBar()->maximum(), 0);
  }

  void newCalculationScrollsToTheTop() {
    Started();
    SetRange("0", "999");
    Click(Command::Calculate);
    View()->setFocus();
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ShiftModifier);
    QVERIFY(View()->verticalScrollBar()->value() > 900);
    Click(Command::Calculate);
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    QCOMPARE(View()->CursorLine(), 0U);
    QVERIFY(!View()->HasSelection());
    QCOMPARE(View()->LineText(0), QStringLiteral("   0.00   0.000"));
  }

  void tabEntersAndLeavesIt() {
    Started();
    QWidget* before = form_->Window().Element("Text14");
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), View());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text15"));
    Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), View());
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text14"));
  }

  void contextMenuSpeaksJapanese() {
    Started();
    Click(Command::Calculate);
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
    QCOMPARE(texts, (QStringList{QString::fromUtf8("コピー"), QString::fromUtf8("すべてを選択")}));
    QVERIFY(!menu->actions().first()->isEnabled());  // nothing selected yet
    menu->actions().last()->trigger();               // すべてを選択
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

  void wheelScrollsIt() {
    Started();
    SetRange("0", "999");
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

  void longLinesWrapAtBlanksOrAnywhere() {
    Started();
    MainWindow& window = form_->Window();
    // Words wrap at their blanks; every row stays within the view.
    window.ShowFieldText(15, QStringLiteral("alpha beta gamma delta epsilon zeta eta theta\nend"));
    QCOMPARE(View()->LineCount(), 2U);
    QVERIFY(View()->RowCount() > 3);
    // The first row ends with a whole word, before a blank.
    const QString words = QStringLiteral("alpha beta gamma delta epsilon zeta eta theta");
    View()->setFocus();
    Key(Qt::Key_Home, Qt::ControlModifier);
    Key(Qt::Key_End, Qt::ShiftModifier);
    const QString firstRow = View()->SelectedText();
    QVERIFY2(firstRow.size() >= 5 && firstRow.size() < words.size(), qPrintable(firstRow));
    QVERIFY2(words.startsWith(firstRow) && words[firstRow.size()] == ' ', qPrintable(firstRow));
    QCOMPARE(window.FieldText(15),
             QStringLiteral("alpha beta gamma delta epsilon zeta eta theta\nend"));
    // A line of a million characters without a blank wraps between characters, in one pass.
    const QString longLine(1'000'000, QLatin1Char('7'));
    window.ShowFieldText(15, longLine);
    const int perRow =
        View()->viewport()->width() / QFontMetrics(View()->font()).horizontalAdvance('7');
    QVERIFY(View()->RowCount() >= 1'000'000U / static_cast<std::size_t>(perRow));
    View()->setFocus();
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Home, Qt::ShiftModifier);
    QVERIFY(View()->SelectedText().size() <= perRow);
    QVERIFY(View()->SelectedText().size() > 0);
    View()->repaint();
    Key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(View()->SelectedText(), longLine);
    // Japanese text and an emoji are whole characters.
    window.ShowFieldText(15, QString::fromUtf8("副反射鏡\xF0\x9F\x98\x80"));
    Key(Qt::Key_End, Qt::ControlModifier);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(View()->SelectedText(), QString::fromUtf8("\xF0\x9F\x98\x80"));
  }

  void screenReaderReadsTheCurrentLine() {
    Started();
    Click(Command::Calculate);
    QVERIFY(!View()->accessibleName().isEmpty());
    QCOMPARE(View()->accessibleDescription(), QStringLiteral("   0.00   0.000"));
    View()->setFocus();
    Key(Qt::Key_Down);
    QCOMPARE(View()->accessibleDescription(), QStringLiteral("   1.00   0.004"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(View());
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), View()->accessibleName());
    QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("   1.00   0.004"));
  }

  void outOfMemoryWhileTheTableIsBuiltIsAFailingStep() {
    Shell& form = Started();
    Click(Command::Calculate);
    const std::string table = TableField();
    form.Core().Fields().Write(FieldId::Text20, "kept20");
    form.Core().Fields().Write(FieldId::Text21, "kept21");
    SetRange("1", "100000");
    {
      // The table's 1.7 MB cannot be had.
      FailingAllocations failing(1 << 20);
      Click(Command::Calculate);
      QVERIFY(gFailures > 0);
    }
    QCOMPARE(TableField(), table);
    QCOMPARE(View()->Text(), Shown(table));
    QCOMPARE(form.Window().FieldText(20), QStringLiteral("kept20"));
    QCOMPARE(form.Window().FieldText(21), QStringLiteral("kept21"));
    QCOMPARE(form.Window().FieldText(1), QStringLiteral("370"));
    QCOMPARE(form.Window().FieldText(18), QStringLiteral("100000"));
    QCOMPARE(form.Core().Values().ProfileText, std::string());  // the partial table is let go
    // The window answers the next click.
    Click(Command::Calculate);
    QCOMPARE(TableField().size(), 100'000U * 17U);
    QCOMPARE(form.Window().FieldText(21), QStringLiteral("98.11"));
  }

  void outOfMemoryWhileTheTableIsShownIsAFailingStep() {
    Shell& form = Started();
    SetRange("1", "100000");
    Click(Command::Calculate);
    form.Core().Fields().Write(FieldId::Text20, "kept20");
    form.Core().Fields().Write(FieldId::Text21, "kept21");
    {
      // The table's 1.7 MB can be had; the view's line index (400 KB) cannot.
      FailingAllocations failing(64 << 10, 1 << 20);
      Click(Command::Calculate);
      QVERIFY(gFailures > 0);
    }
    // The view shows nothing, and the field holds what the view shows; the steps after the table
    // did not run; the inputs are as they were.
    QCOMPARE(View()->Text(), QString());
    QCOMPARE(TableField(), std::string());
    QCOMPARE(form.Window().FieldText(20), QStringLiteral("kept20"));
    QCOMPARE(form.Window().FieldText(21), QStringLiteral("kept21"));
    QCOMPARE(form.Window().FieldText(17), QStringLiteral("1"));
    QCOMPARE(form.Window().FieldText(18), QStringLiteral("100000"));
    // The window answers the next click.
    Click(Command::Calculate);
    QCOMPARE(View()->LineCount(), 100'001U);
    QCOMPARE(form.Window().FieldText(21), QStringLiteral("98.11"));
  }
};

QTEST_MAIN(ProfileViewTest)
#include "profile_view_test.moc"
