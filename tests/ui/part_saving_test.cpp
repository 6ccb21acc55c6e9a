// The part commands' files: the type a file name asks for, the name and folder proposed, the STL's
// parameters, a write that fails, a Japanese folder, and printing the same pages as the PDF. The
// native dialogs are replaced by answers given here.

#ifndef _WIN32
#include <unistd.h>

#include <cerrno>
#endif

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "design_sheet.h"
#include "part_commands_fixture.h"
#include "text_view.h"

using namespace velmora::ui;
using velmora::FieldId;

namespace {

// Whether a folder without write permission refuses this process: not for root, which writes
// anyway, nor on Windows, where Qt's permissions of a folder are not the system's.
bool FolderPermissionsHold() {
#ifdef _WIN32
  return false;
#else
  return ::geteuid() != 0;
#endif
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a PDF paints: its streams in order (the pages' drawing, the faces, the images), without the
// document's record and cross-reference, which name the program and the offsets.
QList<QByteArray> Streams(const QByteArray& pdf) {
  QList<QByteArray> streams;
  for (qsizetype at = pdf.indexOf("stream\n"); at >= 0; at = pdf.indexOf("stream\n", at)) {
    const qsizetype end = pdf.indexOf("endstream", at);
    if (end < 0) break;
    streams << pdf.mid(at, end - at);
    at = end + 9;
  }
  return streams;
}

}  // namespace

class PartSavingTest : public PartCommandsFixture {
  Q_OBJECT

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void cleanup() { form_.reset(); }

  void theNameChoosesTheType_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filter");  // the dialog's chosen type, empty: as proposed
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("begins");
    QTest::addColumn<QString>("dialogs");
    QTest::addColumn<int>("command");  // Ctrl+S when the PDF's
    const int pdf = static_cast<int>(PartCommand::SavePdf);
    QTest::newRow("dxf by name") << "x.dxf"
                                 << ""
                                 << "x.dxf" << QByteArray("  0\r\nSECTION") << "save" << pdf;
    QTest::newRow("csv by name") << "p.CSV"
                                 << ""
                                 << "p.CSV" << QByteArray("Y (mm),X (mm)\r\n0.00,0.000\r\n")
                                 << "save" << pdf;
    QTest::newRow("stl by name, then its parameters")
        << "s.stl"
        << ""
        << "s.stl"
        << QByteArray("velmora sub-reflector, mm: D 370 d 70 a 7.01356415 b^2 906.793409 back 2.5")
        << "save stl" << pdf;
    QTest::newRow("no extension: the chosen type")
        << "design"
        << ""
        << "design.pdf" << QByteArray("%PDF-") << "save" << pdf;
    QTest::newRow("unknown extension: the chosen type")
        << "design.txt" << Utf8("DXF 断面 (*.dxf)") << "design.txt.dxf"
        << QByteArray("  0\r\nSECTION") << "save" << pdf;
    const auto main = [](PartCommand c) { return static_cast<int>(c); };
    QTest::newRow("the main reflector's csv asks its step first")
        << "dish.csv"
        << ""
        << "dish.csv" << QByteArray("r (mm),z (mm)\r\n0,0\r\n25,") << "step save"
        << main(PartCommand::SaveMainCsv);
    QTest::newRow("the main reflector's stl asks its shell first")
        << "dish.stl"
        << ""
        << "dish.stl" << QByteArray("velmora main reflector") << "shell save"
        << main(PartCommand::SaveMainStl);
    QTest::newRow("the main reflector's dxf, no extension")
        << "dish"
        << ""
        << "dish.dxf" << QByteArray("  0\r\nSECTION") << "save" << main(PartCommand::SaveMainDxf);
    QTest::newRow("a pdf name is no file of the main reflector: its chosen type")
        << "dish.pdf" << Utf8("CSV 主反射鏡のプロファイル (*.csv)") << "dish.pdf.csv"
        << QByteArray("r (mm),z (mm)") << "save step" << main(PartCommand::SaveMainDxf);
    QTest::newRow("the assembly") << "whole.dxf"
                                  << ""
                                  << "whole.dxf" << QByteArray("  0\r\nSECTION") << "save"
                                  << main(PartCommand::SaveAssemblyDxf);
  }
  void theNameChoosesTheType() {
    QFETCH(QString, name);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, begins);
    QFETCH(QString, dialogs);
    QFETCH(int, command);
    QTemporaryDir dir;
    Started();
    Calculate();
    answer_ = dir.filePath(name);
    chosenFilter_ = filter;
    if (command == static_cast<int>(PartCommand::SavePdf)) {
      Field(FieldId::Text1)->setFocus(Qt::TabFocusReason);
      QTest::keyClick(Field(FieldId::Text1), Qt::Key_S, Qt::ControlModifier);
    } else {
      Action(static_cast<PartCommand>(command))->trigger();
    }
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
    QCOMPARE(QFileInfo(first[0]).absolutePath(),
             documents.isEmpty() ? QDir::homePath() : documents);
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
    QTest::addColumn<int>("reason");  // the system's error, as errno or as Windows' last error
#ifdef _WIN32
    QTest::newRow("a folder that does not exist") << "missing/deeper" << false << 3;
    QTest::newRow("a folder that is a file") << "plain-file" << false << 3;
    QTest::newRow("a folder without write permission") << "locked" << true << 5;
#else
    QTest::newRow("a folder that does not exist") << "missing/deeper" << false << ENOENT;
    QTest::newRow("a folder that is a file") << "plain-file" << false << ENOTDIR;
    QTest::newRow("a folder without write permission") << "locked" << true << EACCES;
#endif
  }
  void aFailedWriteIsReportedAndLeavesNoFile() {
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    QFETCH(int, reason);
    if (readOnly && !FolderPermissionsHold()) {
      QSKIP("a folder without write permission does not refuse this process (root, or Windows)");
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
    // The system's own reason follows the sentence, in the system's words.
    QVERIFY2(failures_[0].split(QStringLiteral("\n\n")).value(1).contains(qt_error_string(reason)),
             qPrintable(failures_[0] + QStringLiteral(" / ") + qt_error_string(reason)));
    QVERIFY(!QFile::exists(answer_));
    if (readOnly) {
      QCOMPARE(QDir(dir.filePath(folder)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
               QStringList());
      QFile::setPermissions(dir.filePath(folder), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner);
    }
  }

  void aCancelledDocumentHasNoBytesAndEveryPageIsCounted() {
    Started();
    Calculate();
    const auto content =
        velmora::sheet::ReadSheetContent(form_->Core().Fields(), QDate::currentDate());
    QVERIFY(content);
    QList<int> seen;
    int total = 0;
    const auto pdf = velmora::sheet::DesignPdf(*content, [&](int done, int all) {
      seen << done;
      total = all;
      return true;
    });
    QVERIFY(pdf);
    QCOMPARE(static_cast<int>(pdf->count("/Type /Page\n")), total);
    QCOMPARE(seen.size(), total);
    QCOMPARE(seen.last(), total);
    const auto stopped =
        velmora::sheet::DesignPdf(*content, [](int done, int) { return done < 2; });
    QVERIFY(!stopped);
  }

  void aCancelledSaveWritesNoFile() {
    QTemporaryDir dir;
    Started();
    Calculate();
    answer_ = dir.filePath(QStringLiteral("sheet.pdf"));
    form_->PartFileCommands().askProgress = [](QWidget*, const QString&) {
      return [](int done, int) { return done < 2; };
    };
    Action(PartCommand::SavePdf)->trigger();
    QCOMPARE(failures_, QStringList());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
  }

  // A design the calculation accepts but no file can hold: a message, never a crash.
  void anAbsurdDishIsRefusedWithItsReason() {
    QTemporaryDir dir;
    Started();
    Type(FieldId::Text1, QStringLiteral("1e12"));
    Calculate();
    answer_ = dir.filePath(QStringLiteral("dish.dxf"));
    Action(PartCommand::SaveMainDxf)->trigger();
    QCOMPARE(failures_.size(), 1);
    QVERIFY2(failures_[0].contains(Utf8("点を超える")), qPrintable(failures_[0]));
    QVERIFY(!QFile::exists(answer_));
    // The sheet still prints: the dish's template is left out, the rest drawn.
    answer_ = dir.filePath(QStringLiteral("sheet.pdf"));
    Action(PartCommand::SavePdf)->trigger();
    QCOMPARE(failures_.size(), 1);
    QVERIFY(Contents(answer_).startsWith("%PDF-"));
  }

  void aJapaneseFolderWorks() {
    QTemporaryDir dir;
#ifdef Q_OS_WIN
    // Wine in a C session keeps its file names in ASCII and cannot name any file in Japanese, as
    // Windows always can; the Japanese session's run covers the program there.
    if (!QDir(dir.path()).mkdir(Utf8("設計図")) && qEnvironmentVariable("LANG") == "C") {
      QSKIP("Wine in a C session cannot name a file in Japanese");
    }
#endif
    QVERIFY(QDir(dir.path()).exists(Utf8("設計図")) || QDir(dir.path()).mkdir(Utf8("設計図")));
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
    // A PDF printer on the saved file's page, so that the same painting gives the same streams.
    form_->PartFileCommands().askPrinter = [&printed](QPrinter& printer, QWidget*) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(printed);
      constexpr double margin = velmora::sheet::kPdfMarginMm;
      printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(margin, margin, margin, margin),
                                        QPageLayout::Millimeter));
      return true;
    };
    Action(PartCommand::Print)->trigger();
    QCOMPARE(failures_, QStringList());
    QVERIFY(Contents(answer_).count("/Type /Page\n") >= 5);
    const QList<QByteArray> saved = Streams(Contents(answer_));
    QVERIFY(saved.size() >= 10);
    QVERIFY(Streams(Contents(printed)) == saved);
  }
};

QTEST_MAIN(PartSavingTest)
#include "part_saving_test.moc"
