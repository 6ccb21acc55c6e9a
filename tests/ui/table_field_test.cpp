// The profile table Text15 in the window: the worked example read back exactly through the
// window, emptied by Clear, in the tab order, its lines wrapped as the window shows them, named
// for a screen reader; and a calculation that runs out of memory ends as a failing step while the
// window goes on answering. The view's own behaviour (keys, mouse, copy, menu, scrolling) is
// tested without the window, in tests/textview/text_view_test.cpp.
//
// The out-of-memory cases replace this test program's global operator new (and delete) with one
// that can be told to fail from a given size on, so that the product code needs no hook: the
// failure reaches it as a real std::bad_alloc from a real allocation. (AddressSanitizer's own
// operator new never throws, and an address-space limit cannot be set under it.)

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHash>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "../textview/text_view_helpers.h"
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
using velmora::textview::Line;

namespace {

using velmora::textview::test_helpers::ClipboardText;
using velmora::textview::test_helpers::Shown;

}  // namespace

class TableFieldTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Shell> form_;
  // A table shown without a calculation.
  void ShowTable(const QString& text) {
    form_->Window().ShowField(FieldId::Text15,
                              std::make_shared<const std::string>(text.toStdString()));
  }

  Shell& Started() {
    form_ = StartedShell();
    return *form_;
  }
  TextView* View() {
    return qobject_cast<TextView*>(form_->Window().FieldWidget(velmora::FieldAt(15)));
  }
  const std::string& TableField() { return form_->Core().Fields().Text(FieldId::Text15); }
  void Click(Command command) { ClickCommand(*form_, command); }
  void SetRange(const char* start, const char* stop) {
    form_->Core().Fields().Write(FieldId::Text17, start);
    form_->Core().Fields().Write(FieldId::Text18, stop);
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(View(), static_cast<Qt::Key>(key), modifiers);
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
    QCOMPARE(form_->Window().FieldText(velmora::FieldAt(15)), shown);
    QCOMPARE(View()->LineCount(), 37U);  // 36 rows and the empty line after the last CR LF
    QCOMPARE(View()->LineText(Line(0)), QStringLiteral("   0.00   0.000"));
    QCOMPARE(View()->LineText(Line(35)), QStringLiteral("  35.00   3.740"));
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

  void clearEmptiesIt() {
    Started();
    Click(Command::Calculate);
    View()->setFocus();
    Key(Qt::Key_PageDown);
    Key(Qt::Key_A, Qt::ControlModifier);
    Click(Command::Clear);
    QCOMPARE(View()->Text(), QString());
    QCOMPARE(form_->Window().FieldText(velmora::FieldAt(15)), QString());
    QCOMPARE(View()->LineCount(), 1U);
    QVERIFY(!View()->HasSelection());
    QCOMPARE(View()->verticalScrollBar()->value(), 0);
    QCOMPARE(View()->verticalScrollBar()->maximum(), 0);
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

  void longLinesWrapAtBlanksOrAnywhere() {
    Started();
    MainWindow& window = form_->Window();
    // Words wrap at their blanks; every row stays within the view.
    ShowTable(QStringLiteral("alpha beta gamma delta epsilon zeta eta theta\nend"));
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
    QCOMPARE(window.FieldText(velmora::FieldAt(15)),
             QStringLiteral("alpha beta gamma delta epsilon zeta eta theta\nend"));
    // A line of a million characters without a blank wraps between characters, in one pass.
    const QString longLine(1'000'000, QLatin1Char('7'));
    ShowTable(longLine);
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
    ShowTable(QString::fromUtf8("副反射鏡\xF0\x9F\x98\x80"));
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
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(20)), QStringLiteral("kept20"));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(21)), QStringLiteral("kept21"));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(1)), QStringLiteral("370"));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(18)), QStringLiteral("100000"));
    QCOMPARE(form.Core().Values().ProfileText, std::string());  // the partial table is let go
    // The window answers the next click.
    Click(Command::Calculate);
    QCOMPARE(TableField().size(), 100'000U * 17U);
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(21)), QStringLiteral("98.11"));
  }

  void outOfMemoryWhileTheTableIsShownIsAFailingStep() {
    Shell& form = Started();
    Click(Command::Calculate);
    const std::string table = TableField();
    SetRange("1", "100000");
    form.Core().Fields().Write(FieldId::Text20, "kept20");
    form.Core().Fields().Write(FieldId::Text21, "kept21");
    {
      // The table's 1.7 MB can be had; the view's line index (400 KB) cannot.
      FailingAllocations failing(64 << 10, 1 << 20);
      Click(Command::Calculate);
      QVERIFY(gFailures > 0);
    }
    // The old table stays, shown whole, in the field and the view alike; the steps after the
    // table did not run; the inputs are as they were.
    QCOMPARE(TableField(), table);
    QCOMPARE(View()->Text(), Shown(table));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(20)), QStringLiteral("kept20"));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(21)), QStringLiteral("kept21"));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(17)), QStringLiteral("1"));
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(18)), QStringLiteral("100000"));
    // The window answers the next click.
    Click(Command::Calculate);
    QCOMPARE(View()->LineCount(), 100'001U);
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(21)), QStringLiteral("98.11"));
  }
};

QTEST_MAIN(TableFieldTest)
#include "table_field_test.moc"
