// The part commands as the user meets them: when they may be used, where they are offered and
// their shortcuts from anywhere in the window. The native dialogs are replaced by answers given
// here.

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "part_commands_fixture.h"
#include "text_view.h"

using namespace velmora::ui;
using velmora::FieldId;

class PartCommandsTest : public PartCommandsFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void cleanup() { form_.reset(); }

  void enabledOnlyAfterACompletedPress() {
    Started();
    QVERIFY(AllEnabled(false));  // the defaults are no calculated design
    Calculate();
    QVERIFY(AllEnabled(true));
    ClickCommand(*form_, Command::Clear);
    QVERIFY(AllEnabled(false));
    Calculate();  // every field empty: the press stops at its first step
    QVERIFY(AllEnabled(false));
  }

  void anEditOfAnyInputDisablesThem_data() {
    QTest::addColumn<int>("field");
    for (const int n : {1, 2, 3, 4, 17, 18, 19}) {
      QTest::newRow(qPrintable(QStringLiteral("Text%1").arg(n))) << n;
    }
  }
  void anEditOfAnyInputDisablesThem() {
    QFETCH(int, field);
    Started();
    Calculate();
    QVERIFY(AllEnabled(true));
    Field(velmora::FieldAt(field))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Field(velmora::FieldAt(field)), Qt::Key_End);
    QTest::keyClick(Field(velmora::FieldAt(field)), Qt::Key_5);
    QVERIFY(AllEnabled(false));
  }

  void aFailingPressLeavesThemDisabled() {
    Started();
    Calculate();
    Type(FieldId::Text1, QStringLiteral("0"));
    Calculate();  // stops at the aperture angle: the later results are the old design's
    QVERIFY(!form_->Core().LastPressCompleted());
    QVERIFY(AllEnabled(false));
    Type(FieldId::Text1, QStringLiteral("400"));
    Calculate();
    QVERIFY(AllEnabled(true));
  }

  void theStopRuleChangingTheRangeDisablesThem() {
    Started();
    Type(FieldId::Text18, QStringLiteral("20"));
    Calculate();
    QVERIFY(AllEnabled(true));
    // Through the sub-reflector diameter without a change: STOP becomes 35 again, and the table
    // the window shows no longer belongs to the range it shows.
    Field(FieldId::Text3)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Field(FieldId::Text3), Qt::Key_Tab);
    QCOMPARE(Field(FieldId::Text18)->text(), QStringLiteral("35"));
    QVERIFY(AllEnabled(false));
  }

  void theTableMenuListsThemAfterItsOwn() {
    Started();
    Calculate();
    auto* view = qobject_cast<TextView*>(form_->Window().FieldWidget(FieldId::Text15));
    QWidget* viewport = view->viewport();
    const QPoint at(20, 20);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QStringList entries;
    for (QAction* action : menu->actions()) {
      entries << (action->isSeparator()
                      ? QStringLiteral("-")
                      : action->text() + QLatin1Char('|') +
                            action->shortcut().toString(QKeySequence::PortableText));
    }
    menu->close();
    QCOMPARE(
        entries,
        (QStringList{Utf8("コピー|Ctrl+C"), QStringLiteral("-"), Utf8("すべてを選択|Ctrl+A"),
                     QStringLiteral("-"), Utf8("設計書と型紙を印刷…|Ctrl+P"),
                     Utf8("設計書と型紙を PDF で保存…|Ctrl+S"), QStringLiteral("-"),
                     Utf8("副反射鏡の断面を DXF で保存…|"),
                     Utf8("副反射鏡のプロファイルを CSV で保存…|"), Utf8("副反射鏡を STL で保存…|"),
                     QStringLiteral("-"), Utf8("主反射鏡の断面を DXF で保存…|"),
                     Utf8("主反射鏡のプロファイルを CSV で保存…|"), Utf8("主反射鏡を STL で保存…|"),
                     QStringLiteral("-"), Utf8("組立図を DXF で保存…|"), QStringLiteral("-"),
                     Utf8("周波数と電気的な目安…|")}));
    QVERIFY(menu->toolTipsVisible());
  }

  void shortcutsWorkFromAnyFieldOnlyWhenEnabled() {
    Started();
    Field(FieldId::Text2)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Field(FieldId::Text2), Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(Field(FieldId::Text2), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(asked_, QStringList());  // nothing calculated yet
    Calculate();
    for (const FieldId field : {FieldId::Text2, FieldId::Text19, FieldId::Text13}) {
      Field(field)->setFocus(Qt::TabFocusReason);
      QTest::keyClick(Field(field), Qt::Key_S, Qt::ControlModifier);
      QTest::keyClick(Field(field), Qt::Key_P, Qt::ControlModifier);
    }
    QWidget* table = form_->Window().FieldWidget(FieldId::Text15);
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(asked_.join(QLatin1Char(' ')),
             QStringLiteral("save print save print save print save"));
    QVERIFY(AllEnabled(true));  // the keys typed nothing into the fields
  }
};

QTEST_MAIN(PartCommandsTest)
#include "part_commands_test.moc"
