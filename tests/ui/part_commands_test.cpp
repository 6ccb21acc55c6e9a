// The part commands as the user meets them: when they may be used, where they are offered, their
// shortcuts from anywhere in the window, the type a file name asks for, and a write that fails.
// The native dialogs are replaced by answers given here.

#include "part_commands.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <unistd.h>

#include "app.h"
#include "profile_view.h"
#include "started_shell.h"

using namespace velmora::ui;
using velmora::FieldId;

namespace {

QString Utf8(const char* text) {
  return QString::fromUtf8(text);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class PartCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Shell> form_;
  QStringList proposed_;     // what each save dialog proposed
  QStringList failures_;     // what each message box said
  QStringList asked_;        // the dialogs in the order they were asked
  QString answer_;           // the save dialog's answer
  QString chosenFilter_;     // the filter it reports, empty: keep the proposed one

  Shell& Started() {
    form_ = StartedShell();
    PartCommands& commands = form_->PartFileCommands();
    commands.askSavePath = [this](QWidget*, const QString& proposed, const QString& filters,
                                  QString* chosen) {
      asked_ << QStringLiteral("save");
      proposed_ << proposed + QStringLiteral(" | ") + *chosen + QStringLiteral(" | ") + filters;
      if (!chosenFilter_.isEmpty()) *chosen = chosenFilter_;
      return answer_;
    };
    commands.showFailure = [this](QWidget*, const QString& message) { failures_ << message; };
    commands.askStlParameters = [this](QWidget*) -> std::optional<StlParameters> {
      asked_ << QStringLiteral("stl");
      return StlParameters{.thicknessMm = 2.5, .facetsPerTurn = 720};
    };
    commands.askPrinter = [this](QPrinter&, QWidget*) {
      asked_ << QStringLiteral("print");
      return false;
    };
    return *form_;
  }
  QAction* Action(PartCommand command) { return form_->PartFileCommands().Action(command); }
  QLineEdit* Field(FieldId field) {
    return qobject_cast<QLineEdit*>(form_->Window().FieldWidget(field));
  }
  void Calculate() { ClickCommand(*form_, Command::Calculate); }
  bool AllEnabled(bool enabled) {
    for (const auto c : {PartCommand::Print, PartCommand::SavePdf, PartCommand::SaveDxf,
                         PartCommand::SaveCsv, PartCommand::SaveStl}) {
      if (Action(c)->isEnabled() != enabled) return false;
      if (!enabled && Action(c)->toolTip() != Utf8(kNeedsCalculation)) return false;
    }
    return true;
  }
  void Type(FieldId field, const QString& text) {
    Field(field)->setFocus(Qt::TabFocusReason);
    Field(field)->selectAll();
    QTest::keyClicks(Field(field), text);
  }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void init() {
    proposed_.clear();
    failures_.clear();
    asked_.clear();
    answer_.clear();
    chosenFilter_.clear();
  }
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
    auto* view = qobject_cast<ProfileView*>(form_->Window().FieldWidget(FieldId::Text15));
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
    QCOMPARE(entries, (QStringList{Utf8("コピー|Ctrl+C"), QStringLiteral("-"),
                                   Utf8("すべてを選択|Ctrl+A"), QStringLiteral("-"),
                                   Utf8("設計書と型紙を印刷…|Ctrl+P"),
                                   Utf8("設計書と型紙を PDF で保存…|Ctrl+S"),
                                   Utf8("断面を DXF で保存…|"), Utf8("プロファイルを CSV で保存…|"),
                                   Utf8("副反射鏡を STL で保存…|")}));
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

  void theNameChoosesTheType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");  // the dialog's chosen type, empty: as proposed
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("begins");
    QTest::addColumn<QString>("dialogs");
    QTest::newRow("dxf by name") << "x.dxf" << "" << "x.dxf" << QByteArray("0\nSECTION")
                                 << "save";
    QTest::newRow("csv by name") << "p.CSV" << "" << "p.CSV" << QByteArray("stand-in CSV\n   0.00")
                                 << "save";
    QTest::newRow("stl by name, then its parameters")
        << "s.stl" << "" << "s.stl" << QByteArray("solid stand-in d=70.000000 t=2.500000 n=720")
        << "save stl";
    QTest::newRow("no extension: the chosen type") << "design" << "" << "design.pdf"
                                                  << QByteArray("%PDF-") << "save";
    QTest::newRow("unknown extension: the chosen type")
        << "design.txt" << Utf8("DXF 断面 (*.dxf)") << "design.txt.dxf" << QByteArray("0\nSECTION")
        << "save";
  }
  void theNameChoosesTheType() {
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, begins);
    QFETCH(QString, dialogs);
    QTemporaryDir dir;
    Started();
    Calculate();
    answer_ = dir.filePath(name);
    chosenFilter_ = filter;
    Field(FieldId::Text1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Field(FieldId::Text1), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(asked_.join(QLatin1Char(' ')), dialogs);
    QCOMPARE(failures_, QStringList());
    QVERIFY2(Contents(dir.filePath(written)).startsWith(begins),
             Contents(dir.filePath(written)).left(60).constData());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{written});
  }

  void theDialogProposesTheDesignsNameInTheLastFolder() {
    QTemporaryDir dir;
    Started();
    Calculate();
    answer_ = dir.filePath(QStringLiteral("first.csv"));
    Action(PartCommand::SaveCsv)->trigger();
    Action(PartCommand::SavePdf)->trigger();
    QCOMPARE(proposed_.size(), 2);
    const QStringList first = proposed_[0].split(QStringLiteral(" | "));
    QCOMPARE(QFileInfo(first[0]).fileName(), QStringLiteral("velmora-D370-d70.csv"));
    // The first time, the user's documents; nothing of an earlier session is remembered.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(QFileInfo(first[0]).absolutePath(), documents.isEmpty() ? QDir::homePath() : documents);
    QCOMPARE(first[1], Utf8("CSV プロファイル (*.csv)"));
    QCOMPARE(first[2], Utf8("PDF 設計書と型紙 (*.pdf);;DXF 断面 (*.dxf);;CSV プロファイル (*.csv);;"
                            "STL 副反射鏡 (*.stl)"));
    const QStringList second = proposed_[1].split(QStringLiteral(" | "));
    QCOMPARE(second[0], QDir(dir.path()).filePath(QStringLiteral("velmora-D370-d70.pdf")));
    QCOMPARE(second[1], Utf8("PDF 設計書と型紙 (*.pdf)"));
  }

  void theStlParametersComeFirstAndCancelSavesNothing() {
    QTemporaryDir dir;
    Started();
    Calculate();
    answer_ = dir.filePath(QStringLiteral("s.stl"));
    form_->PartFileCommands().askStlParameters = [this](QWidget*) -> std::optional<StlParameters> {
      asked_ << QStringLiteral("stl");
      return std::nullopt;
    };
    Action(PartCommand::SaveStl)->trigger();
    QCOMPARE(asked_, QStringList{QStringLiteral("stl")});  // no file dialog after a cancel
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
  }

  void aFailedWriteIsReportedAndLeavesNoFile_data() {
    QTest::addColumn<QString>("folder");  // under the temporary folder
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("a folder that does not exist") << "missing/deeper" << false;
    QTest::newRow("a folder that is a file") << "plain-file" << false;
    QTest::newRow("a folder without write permission") << "locked" << true;
  }
  void aFailedWriteIsReportedAndLeavesNoFile() {
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    if (readOnly && ::geteuid() == 0) {
      QSKIP("running as root, which writes into a folder without write permission");
    }
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain-file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    if (readOnly) {
      QVERIFY(QDir(dir.path()).mkdir(folder));
      QFile::setPermissions(dir.filePath(folder), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    Started();
    Calculate();
    answer_ = dir.filePath(folder + QStringLiteral("/design.pdf"));
    Action(PartCommand::SavePdf)->trigger();
    QCOMPARE(failures_.size(), 1);
    QVERIFY2(failures_[0].contains(Utf8("保存できませんでした")), qPrintable(failures_[0]));
    QVERIFY2(failures_[0].contains(QDir::toNativeSeparators(answer_)), qPrintable(failures_[0]));
    // The system's reason follows the sentence.
    QVERIFY(failures_[0].split(QStringLiteral("\n\n")).value(1).size() > 3);
    QVERIFY(!QFile::exists(answer_));
    if (readOnly) {
      QCOMPARE(QDir(dir.filePath(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
               QStringList());
      QFile::setPermissions(dir.filePath(folder), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
    }
  }

  void aJapaneseFolderWorks() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(Utf8("設計図")));
    Started();
    Calculate();
    answer_ = dir.filePath(Utf8("設計図/副反射鏡.pdf"));
    Action(PartCommand::SavePdf)->trigger();
    QCOMPARE(failures_, QStringList());
    QVERIFY(Contents(answer_).startsWith("%PDF-"));
  }

  void printingPaintsTheSamePagesAsThePdf() {
    QTemporaryDir dir;
    Started();
    Calculate();
    answer_ = dir.filePath(QStringLiteral("saved.pdf"));
    Action(PartCommand::SavePdf)->trigger();
    const QString printed = dir.filePath(QStringLiteral("printed.pdf"));
    form_->PartFileCommands().askPrinter = [&printed](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printed);
      printer.setPageSize(QPageSize(QPageSize::A4));
      return true;
    };
    Action(PartCommand::Print)->trigger();
    QCOMPARE(failures_, QStringList());
    const auto pages = [](const QByteArray& pdf) { return pdf.count("/Type /Page\n"); };
    QVERIFY(pages(Contents(answer_)) >= 5);
    QCOMPARE(pages(Contents(printed)), pages(Contents(answer_)));
  }
};

QTEST_MAIN(PartCommandsTest)
#include "part_commands_test.moc"
