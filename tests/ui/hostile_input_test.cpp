// Input that a user, a clipboard or a stray key can put into the window: each time the calculation
// stops silently or completes, nothing crashes, no field shows an infinity or a NaN, and the
// window answers the next click at once.

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app.h"
#include "line_field.h"
#include "main_window.h"
#include "started_shell.h"

using namespace velmora::ui;
using velmora::FieldAt;

class HostileInputTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Shell> form_;

  QLineEdit* LineField(int n) {
    return qobject_cast<QLineEdit*>(form_->Window().FieldWidget(velmora::FieldAt(n)));
  }

  // Replaces a field's text as the user would: select all, paste from the clipboard.
  void Paste(int n, const QString& text) {
    QLineEdit* field = LineField(n);
    field->setFocus();
    field->selectAll();
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  }

  void Click(Command command) { ClickCommand(*form_, command); }

  void ExpectNoInfinityOrNaN() {
    for (int n = 5; n <= 21; ++n) {
      if (n >= 17 && n <= 19) continue;  // typed range fields
      const QString text = form_->Window().FieldText(velmora::FieldAt(n)).toLower();
      QVERIFY2(!text.contains("inf") && !text.contains("nan"), qPrintable(text.left(40)));
    }
  }

  void ExpectTheNextClickAnsweredAtOnce() {
    QElapsedTimer clock;
    clock.start();
    Click(Command::Clear);
    QVERIFY(clock.elapsed() < 1000);
    for (int n = 1; n <= 21; ++n)
      QCOMPARE(form_->Window().FieldText(velmora::FieldAt(n)), QString());
  }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void init() {
    form_ = StartedShell();
    QVERIFY(form_->Window().isActiveWindow());
  }
  void cleanup() { form_.reset(); }

  void inputTextsStopOrComplete_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("held");  // what the field shows and holds after the paste
    QTest::addColumn<bool>("completes");
    QTest::addColumn<QString>("focalLength");  // Text5 after Calculate, where the row fixes it
    const QString megabyte(1 << 20, QLatin1Char('7'));
    QTest::newRow("1 MB of digits: beyond the largest double")
        << 1 << megabyte << megabyte << false << "";
    const QString tiny = QStringLiteral("0.") + QString((1 << 20) - 3, QLatin1Char('0')) + "1";
    QTest::newRow("1 MB of zeros after the point: a tiny D") << 1 << tiny << tiny << false << "";
    QTest::newRow("full-width digits are not a number")
        << 1 << QString::fromUtf8("３７０") << QString::fromUtf8("３７０") << false << "";
    QTest::newRow("a lone minus") << 2 << "-"
                                  << "-" << false << "";
    QTest::newRow("1e309 overflows") << 4 << "1e309"
                                     << "1e309" << false << "";
    QTest::newRow("1e-400 underflows to 0: D of 0") << 1 << "1e-400"
                                                    << "1e-400" << false << "";
    QTest::newRow("a huge but finite D") << 1 << "1e300"
                                         << "1e300" << false << "";
    QTest::newRow("a negative diameter completes") << 1 << "-370"
                                                   << "-370" << true << "-159.951";
    QTest::newRow("blanks around a number are kept, and ignored") << 1 << "  370 "
                                                                  << "  370 " << true << "159.951";
    QTest::newRow("Japanese text")
        << 2 << QString::fromUtf8("ゼロ点四") << QString::fromUtf8("ゼロ点四") << false << "";
    QTest::newRow("a STEP of 1e-300 is refused") << 19 << "1e-300"
                                                 << "1e-300" << false << "";
    QTest::newRow("a STEP of 0 is refused") << 19 << "0"
                                            << "0" << false << "";
    const QString stop = QStringLiteral("35.") + QString(39'997, QLatin1Char('0'));
    QTest::newRow("40,000 characters of STOP are kept whole") << 18 << stop << stop << true << "";
    // What a single line cannot show never reaches the field: a copied spreadsheet cell keeps its
    // number, and the calculation computes with what the field shows.
    QTest::newRow("a spreadsheet cell's CR LF") << 1 << "370\r\n"
                                                << "370" << true << "159.951";
    QTest::newRow("a line feed") << 1 << "370\n"
                                 << "370" << true << "159.951";
    QTest::newRow("a lone CR cuts the paste") << 1 << "370\r5"
                                              << "370" << true << "159.951";
    QTest::newRow("two lines: the first") << 1 << "370\n400\n"
                                          << "370" << true << "159.951";
    QTest::newRow("a line separator") << 1
                                      << QString::fromUtf8(
                                             "370\u2028"
                                             "5")
                                      << "370" << true << "159.951";
    QTest::newRow("a trailing tab") << 1 << "370\t"
                                    << "370" << true << "159.951";
    QTest::newRow("a NUL inside the number")
        << 1 << (QStringLiteral("37") + QChar(0) + "0") << "370" << true << "159.951";
    QTest::newRow("a direction override")
        << 1 << QString::fromUtf8("\u202E370\u202C") << "370" << true << "159.951";
    QTest::newRow("a zero-width space") << 1
                                        << QString::fromUtf8(
                                               "3\u200B"
                                               "70")
                                        << "370" << true << "159.951";
  }
  void inputTextsStopOrComplete() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, held);
    QFETCH(bool, completes);
    QFETCH(QString, focalLength);
    // A row that names its focal length starts from another design's results on screen, so
    // that a stale result cannot pass for the new one.
    if (!focalLength.isEmpty()) {
      Paste(1, QStringLiteral("400"));
      Click(Command::Calculate);
      QCOMPARE(LineField(5)->text(), QStringLiteral("172.920"));
    }
    Paste(field, text);
    // What the window shows is exactly what the field set holds.
    QCOMPARE(LineField(field)->text(), held);
    QCOMPARE(form_->Core().Fields().Text(FieldAt(field)), held.toStdString());
    Click(Command::Calculate);
    QCOMPARE(!form_->Window().FieldText(velmora::FieldAt(21)).isEmpty(), completes);
    if (!focalLength.isEmpty()) QCOMPARE(LineField(5)->text(), focalLength);
    ExpectNoInfinityOrNaN();
    // Typed over and undone: a short text comes back, a long one was let go with its history.
    QLineEdit* edit = LineField(field);
    QCoreApplication::processEvents();  // what the paste itself let go of
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_9);
    QCoreApplication::processEvents();
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    const QString undone = held.size() > velmora::ui::LineField::kUndoKeptLength ? "9" : held;
    QCOMPARE(edit->text(), undone);
    QCOMPARE(form_->Core().Fields().Text(FieldAt(field)), undone.toStdString());
    ExpectTheNextClickAnsweredAtOnce();
  }

  void japaneseAndEmojiKeepWholeCharactersInAShortField_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("kana beyond ten") << QString::fromUtf8("あいうえおかきくけこさし")
                                     << QString::fromUtf8("あいうえおかきくけこ");
    QTest::newRow("an emoji across the limit")
        << QString::fromUtf8("123456789\xF0\x9F\x98\x80") << QStringLiteral("123456789");
    QTest::newRow("an emoji within the limit") << QString::fromUtf8("12345678\xF0\x9F\x98\x80")
                                               << QString::fromUtf8("12345678\xF0\x9F\x98\x80");
  }
  void japaneseAndEmojiKeepWholeCharactersInAShortField() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Paste(8, typed);
    QCOMPARE(LineField(8)->text(), kept);
    QCOMPARE(QString::fromStdString(form_->Core().Fields().Text(velmora::FieldId::Text8)), kept);
    // The result field is overwritten by the next calculation.
    Click(Command::Calculate);
    QCOMPARE(LineField(8)->text(), QStringLiteral("20.1653017"));
  }

  void tabLeavesTheDiameter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("radiationAngle");
    QTest::newRow("a number: STOP becomes its exact half")
        << QStringLiteral("75") << QStringLiteral("37.5") << QStringLiteral("80.093");
    QTest::newRow("not a number: STOP stays, step 4 stops the calculation")
        << QStringLiteral("abc") << QStringLiteral("35") << QString();
  }
  void tabLeavesTheDiameter() {
    QFETCH(QString, typed);
    QFETCH(QString, stop);
    QFETCH(QString, radiationAngle);
    QLineEdit* diameter = LineField(3);
    diameter->setFocus();
    diameter->selectAll();
    QTest::keyClicks(diameter, typed);
    QTest::keyClick(diameter, Qt::Key_Tab);
    QCOMPARE(LineField(18)->text(), stop);
    QCOMPARE(QApplication::focusWidget(), form_->Window().FieldWidget(velmora::FieldAt(4)));
    Click(Command::Calculate);
    QCOMPARE(LineField(5)->text(), QStringLiteral("159.951"));  // steps 1..3 complete
    QCOMPARE(LineField(7)->text(), radiationAngle);             // step 4 reads the diameter
    ExpectTheNextClickAnsweredAtOnce();
  }

  // Only a move to another control of the window is leaving the diameter, not a switch to another
  // application (a context menu opening over it: the keyboard test).
  void focusLeavingTheDiameter_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("stop");
    QTest::newRow("a click elsewhere: STOP follows")
        << int(Qt::MouseFocusReason) << QStringLiteral("37.5");
    QTest::newRow("another application: STOP stays")
        << int(Qt::ActiveWindowFocusReason) << QStringLiteral("35");
  }
  // A paste lands at the caret: the pasted text is cut at its first line end and cleared of
  // invisible characters, and the text after the caret stays.
  void pasteIntoTheMiddleKeepsTheRest_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("caretAfter");
    QTest::newRow("a line feed cuts the paste") << "1234" << 2 << "5\n6"
                                                << "12534" << 3;
    QTest::newRow("a spreadsheet cell's CR LF") << "1234" << 2 << "5\r\n"
                                                << "12534" << 3;
    QTest::newRow("a zero-width space dropped")
        << "1234" << 2 << QString::fromUtf8("5\u200b6") << "125634" << 4;
    QTest::newRow("at the start") << "34" << 0 << "12\n9"
                                  << "1234" << 2;
  }
  void pasteIntoTheMiddleKeepsTheRest() {
    QFETCH(QString, before);
    QFETCH(int, caret);
    QFETCH(QString, pasted);
    QLineEdit* field = LineField(18);
    Paste(18, before);
    field->setCursorPosition(caret);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTEST(field->text(), "after");
    QTEST(field->cursorPosition(), "caretAfter");
    QCOMPARE(form_->Core().Fields().Text(FieldAt(18)), field->text().toStdString());
  }

  // A word erased from a long text lets the history go as a paste does, and the caret stays where
  // the edit left it; on a short text the erase is undone.
  void wordEraseLetsALongHistoryGo_data() {
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("undone");
    const int many = velmora::ui::LineField::kUndoKeptLength;  // two characters a word
    QTest::newRow("Ctrl+Backspace, short") << 3 << int(Qt::Key_Backspace) << true;
    QTest::newRow("Ctrl+Delete, short") << 3 << int(Qt::Key_Delete) << true;
    QTest::newRow("Ctrl+Backspace, long") << many << int(Qt::Key_Backspace) << false;
    QTest::newRow("Ctrl+Delete, long") << many << int(Qt::Key_Delete) << false;
  }
  void wordEraseLetsALongHistoryGo() {
    QFETCH(int, words);
    QFETCH(int, key);
    QFETCH(bool, undone);
    QLineEdit* field = LineField(18);
    const QString text = QStringLiteral("1 ").repeated(words) + QStringLiteral("2");
    Paste(18, text);
    QCoreApplication::processEvents();  // what the paste itself let go of
    const int caret = key == Qt::Key_Backspace ? int(text.size()) : 0;
    field->setCursorPosition(caret);
    QTest::keyClick(field, static_cast<Qt::Key>(key), Qt::ControlModifier);
    const QString erased = field->text();
    const int caretAfter = field->cursorPosition();
    QVERIFY(erased.size() < text.size());
    QCoreApplication::processEvents();
    QCOMPARE(field->cursorPosition(), caretAfter);
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(field->text(), undone ? text : erased);
    QCOMPARE(form_->Core().Fields().Text(FieldAt(18)), field->text().toStdString());
  }

  void focusLeavingTheDiameter() {
    QFETCH(int, reason);
    QFETCH(QString, stop);
    QLineEdit* diameter = LineField(3);
    diameter->setFocus();
    diameter->selectAll();
    QTest::keyClicks(diameter, "75");
    QFocusEvent focusOut(QEvent::FocusOut, static_cast<Qt::FocusReason>(reason));
    QApplication::sendEvent(diameter, &focusOut);
    QCOMPARE(LineField(18)->text(), stop);
  }
};

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
