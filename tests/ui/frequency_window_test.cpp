// The frequency window as the user meets it: opened from the table's menu at any time, the
// figures of the last completed press as the frequency and η are typed, greyed with the reason
// after an edit or before any press, a short reason for a bad frequency, and what was typed kept
// when it is closed and opened again.

#include <QLabel>

#include "electrical_figures.h"
#include "part_commands_fixture.h"

using namespace velmora::ui;
using velmora::FieldId;
using velmora::part::ElectricalProblem;

class FrequencyWindowTest : public PartCommandsFixture {
  Q_OBJECT

  QLineEdit* Input(const char* name) {
    return form_->Frequency().findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QLabel* Label(const char* name) {
    return form_->Frequency().findChild<QLabel*>(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void cleanup() { form_.reset(); }

  // The gains by η (π D / λ)² less (1 − (d / D)²)² at λ = c / f, for the default design (D 370,
  // d 70), worked apart.
  void figuresAsTheUserTypes_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("efficiency");
    QTest::addColumn<int>("presses");  // 0: none; 1: one; 2: one, then an edit of D
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("reason");  // "" none, "calc" the disabled commands' own
    const QString calc = QStringLiteral("calc");
    const auto reason = [](ElectricalProblem problem) {
      return Utf8(velmora::part::JapaneseReason(problem).data());
    };
    QTest::newRow("10 GHz -> 29.58 dBi") << "10"
                                         << "" << 1 << "29.58"
                                         << "";
    QTest::newRow("10 GHz, η 0.55 -> 28.86 dBi") << "10"
                                                 << "0.55" << 1 << "28.86"
                                                 << "";
    QTest::newRow("1000 GHz -> 69.58 dBi") << "1000"
                                           << "0.65" << 1 << "69.58"
                                           << "";
    QTest::newRow("before any press -> greyed") << "10"
                                                << "" << 0 << "" << calc;
    QTest::newRow("after an edit -> greyed") << "10"
                                             << "" << 2 << "29.58" << calc;
    QTest::newRow("letters") << "abc"
                             << "" << 1 << "" << reason(ElectricalProblem::FrequencyNotANumber);
    QTest::newRow("zero") << "0"
                          << "" << 1 << "" << reason(ElectricalProblem::FrequencyZero);
    QTest::newRow("negative") << "-5"
                              << "" << 1 << "" << reason(ElectricalProblem::FrequencyNegative);
    QTest::newRow("2000 GHz") << "2000"
                              << "" << 1 << "" << reason(ElectricalProblem::FrequencyTooHigh);
    QTest::newRow("η 1.5") << "10"
                           << "1.5" << 1 << "" << reason(ElectricalProblem::EfficiencyOutOfRange);
  }
  void figuresAsTheUserTypes() {
    QFETCH(QString, frequency);
    QFETCH(QString, efficiency);
    QFETCH(int, presses);
    QFETCH(QString, gain);
    QFETCH(QString, reason);
    Started();
    if (presses > 0) Calculate();
    if (presses > 1) Type(FieldId::Text1, QStringLiteral("400"));
    QAction* open = form_->Window().findChild<QAction*>(QStringLiteral("openFrequency"));
    QVERIFY(open->isEnabled());
    open->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(&form_->Frequency()));
    QTest::keyClicks(Input("frequency"), frequency);
    QTest::keyClicks(Input("efficiency"), efficiency);
    QCOMPARE(Label("gain")->text(), gain);
    if (reason == QStringLiteral("calc")) reason = Utf8(kNeedsCalculation);
    QCOMPARE(Label("reason")->isVisible() ? Label("reason")->text() : QString(), reason);
    QCOMPARE(Label("gain")->isEnabled(), presses == 1 && reason.isEmpty());
    QCOMPARE(Label("feed-beamwidth")->text(), gain.isEmpty() ? QString() : Utf8("80.093"));
  }

  // Closed and opened again, the window keeps what was typed; a new press shows its design.
  void keptForTheSession() {
    Started();
    Calculate();
    QAction* open = form_->Window().findChild<QAction*>(QStringLiteral("openFrequency"));
    open->trigger();
    QTest::keyClicks(Input("frequency"), QStringLiteral("10"));
    form_->Frequency().close();
    Type(FieldId::Text1, QStringLiteral("3000"));
    Type(FieldId::Text3, QStringLiteral("300"));
    Calculate();
    open->trigger();
    QCOMPARE(Input("frequency")->text(), QStringLiteral("10"));
    QCOMPARE(Label("aperture-gain")->text(), QStringLiteral("48.08"));  // 3 m at 10 GHz, η 0.65
    QVERIFY(Label("aperture-gain")->isEnabled());
  }
};

QTEST_MAIN(FrequencyWindowTest)
#include "frequency_window_test.moc"
