// What the keyboard does in the window: Enter and Space run the focused button's command and
// nothing else does; the STOP rule follows a real move of the focus out of the diameter, not a
// context menu; a full geometry result refuses further keys wherever the caret stands.

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app.h"
#include "main_window.h"
#include "started_shell.h"

using namespace velmora::ui;

class KeyboardTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Shell> form_;

  QLineEdit* Field(const char* name) {
    return qobject_cast<QLineEdit*>(form_->Window().Element(name));
  }

  void TypeInto(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void init() {
    form_ = StartedShell();
    QVERIFY(form_->Window().isActiveWindow());
  }
  void cleanup() { form_.reset(); }

  void onlyAFocusedButtonTakesEnterAndSpace_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focalLength");  // Text5: whether Calculate ran
    QTest::addColumn<QString>("diameter");     // Text1: whether Clear ran
    QTest::newRow("Enter on Calculate calculates") << "Command1" << int(Qt::Key_Return) << "159.951"
                                                   << "370";
    QTest::newRow("Space on Calculate calculates") << "Command1" << int(Qt::Key_Space) << "159.951"
                                                   << "370";
    QTest::newRow("keypad Enter on Calculate calculates")
        << "Command1" << int(Qt::Key_Enter) << "159.951"
        << "370";
    QTest::newRow("Enter on Clear clears") << "Command3" << int(Qt::Key_Return) << ""
                                           << "";
    QTest::newRow("Space on Clear clears") << "Command3" << int(Qt::Key_Space) << ""
                                           << "";
    QTest::newRow("Enter in a field runs nothing") << "Text1" << int(Qt::Key_Return) << ""
                                                   << "370";
    QTest::newRow("Enter in STEP runs nothing") << "Text19" << int(Qt::Key_Enter) << ""
                                                << "370";
    QTest::newRow("a letter on Calculate runs nothing") << "Command1" << int(Qt::Key_A) << ""
                                                        << "370";
  }
  void onlyAFocusedButtonTakesEnterAndSpace() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(QString, focalLength);
    QFETCH(QString, diameter);
    QWidget* widget = form_->Window().Element(focused.toStdString());
    widget->setFocus();
    QTest::keyClick(widget, static_cast<Qt::Key>(key));
    QCOMPARE(Field("Text5")->text(), focalLength);
    QCOMPARE(Field("Text1")->text(), diameter);
  }

  void aContextMenuIsNoMoveOutOfTheDiameter() {
    TypeInto("Text18", QStringLiteral("99"));
    TypeInto("Text3", QStringLiteral("75"));
    QLineEdit* diameter = Field("Text3");
    QTimer::singleShot(50, this, [] {
      if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    });
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(5, 5),
                                diameter->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(diameter, &menuEvent);
    QCOMPARE(Field("Text18")->text(), QStringLiteral("99"));
    // Tab out of the diameter holding a number: STOP becomes its half.
    diameter->setFocus();
    QTest::keyClick(diameter, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form_->Window().Element("Text4"));
    QCOMPARE(Field("Text18")->text(), QStringLiteral("37.5"));
  }

  void aFullResultRefusesKeysWhereverTheCaretStands() {
    TypeInto("Text8", QStringLiteral("906.793409"));
    QLineEdit* result = Field("Text8");
    QTest::keyClick(result, Qt::Key_Home);
    QTest::keyClick(result, Qt::Key_5);
    QCOMPARE(result->text(), QStringLiteral("906.793409"));
    QTest::keyClick(result, Qt::Key_Right);
    QTest::keyClick(result, Qt::Key_Right);
    QApplication::clipboard()->setText(QStringLiteral("12"));
    QTest::keyClick(result, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(result->text(), QStringLiteral("906.793409"));
    QCOMPARE(form_->Core().Fields().Text(velmora::FieldId::Text8), "906.793409");
    // The typing is still there to undo.
    QTest::keyClick(result, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(result->text(), QString());
    QCOMPARE(form_->Core().Fields().Text(velmora::FieldId::Text8), "");
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
