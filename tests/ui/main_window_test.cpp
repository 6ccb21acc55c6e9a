// The window Form1 as the user meets it: every element where the layout puts it, its texts, fonts
// and colours, the tab cycle, and the five events driven by real key and mouse events.

#include "main_window.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "app.h"
#include "form_layout.h"
#include "part_commands.h"
#include "started_shell.h"
#include "text_view.h"

using namespace velmora::ui;
using velmora::FieldAt;

namespace {

QLineEdit* LineField(Shell& form, int n) {
  return qobject_cast<QLineEdit*>(form.Window().FieldWidget(velmora::FieldAt(n)));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Shell> form_;

  Shell& Started() {
    form_ = StartedShell();
    return *form_;
  }

  void Click(Command command) { ClickCommand(*form_, command); }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void cleanup() { form_.reset(); }

  void colorsOfInputsResultsAndTable() {
    MainWindow window(96.0);
    const QColor lightYellow(255, 255, 192);
    for (int n : {1, 2, 3, 4, 17, 18, 19}) {
      QCOMPARE(window.FieldWidget(velmora::FieldAt(n))->palette().color(QPalette::Base),
               lightYellow);
    }
    for (int n : {5, 6, 7, 8, 14, 15, 16, 20, 21}) {
      QVERIFY(window.FieldWidget(velmora::FieldAt(n))->palette().color(QPalette::Base) !=
              lightYellow);
    }
    QCOMPARE(window.FieldWidget(velmora::FieldAt(20))->palette().color(QPalette::Text),
             QColor(0, 0, 192));
    QCOMPARE(window.FieldWidget(velmora::FieldAt(21))->palette().color(QPalette::Text),
             QColor(0, 0, 192));
    QCOMPARE(window.FieldWidget(velmora::FieldAt(15))->palette().color(QPalette::Text),
             QColor(0, 0, 128));
    QCOMPARE(window.FieldWidget(velmora::FieldAt(5))->palette().color(QPalette::Text),
             QColor(0, 0, 0));
    for (int n = 8; n <= 14; ++n) {
      QCOMPARE(window.FieldWidget(velmora::FieldAt(n))->palette().color(QPalette::Text),
               QColor(128, 128, 128));
      const auto label = "Label" + std::to_string(n);
      QCOMPARE(window.Element(label)->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    }
    QCOMPARE(window.Element("Label1")->palette().color(QPalette::Window), QColor(255, 255, 255));
    QVERIFY(window.Element("Label1")->autoFillBackground());
    auto* table = qobject_cast<TextView*>(window.FieldWidget(velmora::FieldAt(15)));
    QVERIFY(table != nullptr);
    QCOMPARE(table->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(table->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    // A line three views wide wraps into three rows or more, none wider than the view.
    const int digit = QFontMetrics(table->font()).horizontalAdvance('7');
    table->Show(velmora::textview::IndexedText(
        std::make_shared<const std::string>(
            static_cast<std::size_t>(3 * table->viewport()->width() / digit), '7'),
        table->Layout()));
    QVERIFY(table->RowCount() >= 3);
    const velmora::textview::TextIndex& rows = table->Index();
    for (std::size_t row = 0; row < rows.RowCount(); ++row) {
      const velmora::textview::TextRow shown = rows.RowAt(velmora::textview::Row(row));
      QVERIFY(rows.XOf(shown, shown.end) <=
              velmora::textview::kWidthPerPixel * table->viewport()->width());
    }
  }

  void startsWithTheDefaultsAndTheFocusInText1() {
    Shell& form = Started();
    QCOMPARE(LineField(form, 1)->text(), QStringLiteral("370"));
    QCOMPARE(LineField(form, 2)->text(), QStringLiteral("0.4323"));
    QCOMPARE(LineField(form, 18)->text(), QStringLiteral("35"));
    QCOMPARE(LineField(form, 5)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), form.Window().FieldWidget(velmora::FieldAt(1)));
  }

  void tabCyclesInTabIndexOrder() {
    Started();
    const QStringList expected = {"Text2",    "Text3",  "Text4",  "Text17", "Text18",   "Text19",
                                  "Command1", "Text5",  "Text6",  "Text7",  "Text8",    "Text9",
                                  "Text10",   "Text11", "Text12", "Text13", "Text14",   "Text15",
                                  "Command2", "Text16", "Text20", "Text21", "Command3", "Text1"};
    QStringList seen;
    for (int k = 0; k < expected.size(); ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      seen << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(seen, expected);
  }

  void lockedAndLimitedFields() {
    Shell& form = Started();
    QLineEdit* angle = LineField(form, 7);
    QVERIFY(angle->isReadOnly());
    angle->setFocus();
    QTest::keyClicks(angle, "12");
    QCOMPARE(angle->text(), QString());
    for (int n = 8; n <= 14; ++n) {
      QLineEdit* field = LineField(form, n);
      field->setFocus();
      QTest::keyClicks(field, "123456789012");
      QCOMPARE(field->text(), QStringLiteral("1234567890"));
      QCOMPARE(form.Core().Fields().Text(FieldAt(n)), "1234567890");
    }
    QLineEdit* input = LineField(form, 1);
    input->selectAll();
    QTest::keyClicks(input, "123456789012");
    QCOMPARE(form.Core().Fields().Text(FieldAt(1)), "123456789012");
  }

  void typedDiameterSetsStopBeforeTheCalculation() {
    Shell& form = Started();
    QLineEdit* diameter = LineField(form, 3);
    diameter->setFocus();
    diameter->selectAll();
    QTest::keyClicks(diameter, "75");
    // The STOP rule runs completely before the calculation builds the table.
    QStringList order;
    connect(LineField(form, 18), &QLineEdit::textChanged, this, [&order] { order << "STOP"; });
    auto* tableWidget = qobject_cast<TextView*>(form.Window().FieldWidget(velmora::FieldAt(15)));
    connect(tableWidget, &TextView::textChanged, this, [&order] { order << "table"; });
    Click(Command::Calculate);
    QCOMPARE(order, (QStringList{"STOP", "table"}));
    QCOMPARE(LineField(form, 18)->text(), QStringLiteral("37.5"));
    const QString table = form.Window().FieldText(velmora::FieldAt(15));
    QCOMPARE(table.count('\n'), 38);  // radii 0 to 37, up to the new STOP
    QVERIFY(table.section('\n', -2, -2).startsWith(QStringLiteral("  37.00 ")));
    QCOMPARE(form.Core().Fields().Text(velmora::FieldId::Text15).size(), 38U * 17U);
  }

  void calculateShowsTheWorkedExample() {
    Shell& form = Started();
    Click(Command::Calculate);
    const std::pair<int, const char*> shown[] = {
        {5, "159.951"},     {6, "120.164"},     {7, "80.093"},      {16, "53.493"},
        {8, "20.1653017"},  {9, "41.6726638"},  {10, "30.9189827"}, {11, "54.4206846"},
        {12, "40.3935563"}, {13, "7.01356415"}, {14, "906.793409"}, {20, "37.93"},
        {21, "98.11"}};
    for (const auto& [field, text] : shown) {
      QCOMPARE(LineField(form, field)->text(), QString::fromLatin1(text));
      // A field wider than its box shows the beginning of its text.
      QCOMPARE(LineField(form, field)->cursorPosition(), 0);
    }
    const QString table = form.Window().FieldText(velmora::FieldAt(15));
    QCOMPARE(table.count('\n'), 36);
    QVERIFY(table.startsWith(QStringLiteral("   0.00   0.000\n   1.00   0.004\n")));
    // The field set keeps the rows exactly as the calculation wrote them.
    QCOMPARE(form.Core().Fields().Text(velmora::FieldId::Text15).size(), 612U);
    // Reading a field returns exactly what the window shows.
    for (int n = 1; n <= 21; ++n) {
      QString shownText = form.Window().FieldText(velmora::FieldAt(n));
      if (n == 15) shownText.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
      QCOMPARE(shownText.toStdString(), form.Core().Fields().Text(FieldAt(n)));
    }
  }

  void clearEmptiesEveryWidget() {
    Shell& form = Started();
    Click(Command::Calculate);
    Click(Command::Clear);
    for (int n = 1; n <= 21; ++n) QCOMPARE(form.Window().FieldText(velmora::FieldAt(n)), QString());
  }

  void typingIntoTheTableChangesNothing() {
    Shell& form = Started();
    Click(Command::Calculate);
    const std::string table = form.Core().Fields().Text(velmora::FieldId::Text15);
    auto* view = qobject_cast<TextView*>(form.Window().FieldWidget(velmora::FieldAt(15)));
    view->setFocus();
    QTest::keyClicks(view, "a");
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(view, "b");
    QCOMPARE(form.Core().Fields().Text(velmora::FieldId::Text15), table);
    QCOMPARE(form.Window().FieldText(velmora::FieldAt(15)).toStdString().size() + 36U,
             table.size());
  }

  void largeTableRunsUnderAWaitCursor() {
    Shell& form = Started();
    auto* table = qobject_cast<TextView*>(form.Window().FieldWidget(velmora::FieldAt(15)));
    bool waitCursorShown = false;
    connect(table, &TextView::textChanged, this, [&waitCursorShown] {
      const QCursor* cursor = QGuiApplication::overrideCursor();
      waitCursorShown = cursor != nullptr && cursor->shape() == Qt::WaitCursor;
    });
    QLineEdit* stop = LineField(form, 18);
    stop->setFocus();
    stop->selectAll();
    QTest::keyClicks(stop, "20000");
    Click(Command::Calculate);
    QVERIFY(waitCursorShown);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
  }

  // A right click shows Japanese entries in any session: a field's standard ones as Qt's own
  // translation gives them, the table's own and its part commands.
  void contextMenuSpeaksJapanese() {
    Shell& form = Started();
    Click(Command::Calculate);
    const auto shown = [](QWidget* target) {
      const QPoint at(5, 5);
      QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
      QApplication::sendEvent(target, &event);
      QStringList texts;
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions()) {
          if (!action->isSeparator()) texts << action->text().section('\t', 0, 0);
        }
        menu->close();
      }
      return texts;
    };
    const auto japanese = [](const QString& text) {
      return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    };
    const QStringList field = shown(LineField(form, 1));
    QVERIFY2(field.size() >= 6, qPrintable(field.join('|')));
    QVERIFY2(field.contains(QCoreApplication::translate("QLineEdit", "&Undo")),
             qPrintable(field.join('|')));
    QVERIFY2(std::all_of(field.begin(), field.end(), japanese), qPrintable(field.join('|')));
    auto* table = qobject_cast<TextView*>(form.Window().FieldWidget(velmora::FieldAt(15)));
    const QStringList menu = shown(table->viewport());
    QCOMPARE(menu.size(), 3 + static_cast<qsizetype>(kPartCommandCount));
    QVERIFY2(std::all_of(menu.begin(), menu.end(), japanese), qPrintable(menu.join('|')));
  }

  void exitEndsTheEventLoopAtOnce() {
    Shell& form = Started();
    bool timedOut = false;
    QTimer::singleShot(0, &form.Window(), [this] { Click(Command::Exit); });
    QTimer::singleShot(5000, qApp, [&timedOut] {
      timedOut = true;
      QCoreApplication::exit(1);
    });
    QElapsedTimer clock;
    clock.start();
    const int code = QCoreApplication::exec();
    QVERIFY(!timedOut);
    QCOMPARE(code, 0);
    QVERIFY(clock.elapsed() < 2000);
    QVERIFY(!form.Window().isVisible());
  }

  void closingTheWindowEndsTheEventLoop() {
    Shell& form = Started();
    bool timedOut = false;
    QTimer::singleShot(0, &form.Window(), [&form] { form.Window().close(); });
    QTimer::singleShot(5000, qApp, [&timedOut] {
      timedOut = true;
      QCoreApplication::exit(1);
    });
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!timedOut);
  }

  void applicationNameVersionAndIcon() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("velmora"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(VELMORA_DISPLAY_VERSION));
    const QIcon icon = ApplicationIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
