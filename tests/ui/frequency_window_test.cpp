// The frequency window as the user meets it: opened from the table's menu at any time, the last
// completed press's figures as they type, greyed with the reason after an edit or before any press,
// a short reason for a bad frequency, what was typed kept when it is closed and opened again.

#include <QLabel>

#include "electrical_figures.h"
#include "part_commands_fixture.h"

using namespace velmora::ui;
using velmora::FieldId;

class FrequencyWindowTest : public PartCommandsFixture {
  Q_OBJECT

  template <typename Widget = QLabel>
  Widget* Find(const char* name) {
    return form_->Frequency().findChild<Widget*>(QString::fromLatin1(name));
  }

 private slots:
  void initTestCase() { ConfigureApplication(*qobject_cast<QApplication*>(qApp)); }
  void cleanup() { form_.reset(); }

  // The gains by η (π D / λ)² less (1 − (d / D)²)² at λ = c / f, for the default design (D 370,
  // d 70), worked apart.
  void figuresAsTheUserTypes_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("efficiency");
    // 0: none; 1: one; 2: one, then D edited to 400; 3: that, and another press
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("gain");
    QTest::addColumn<QString>("reason");
    using enum velmora::part::ElectricalProblem;
    const QString none;
    const QString calc = Utf8(kNeedsCalculation);
    const auto reason = [](auto problem) {
      return Utf8(velmora::part::JapaneseReason(problem).data());
    };
    QTest::newRow("10 GHz -> 29.58 dBi") << "10" << none << 1 << "29.58" << none;
    QTest::newRow("10 GHz, η 0.55 -> 28.86 dBi") << "10"
                                                 << "0.55" << 1 << "28.86" << none;
    QTest::newRow("before any press -> greyed") << "10" << none << 0 << none << calc;
    QTest::newRow("after an edit -> greyed") << "10" << none << 2 << "29.58" << calc;
    QTest::newRow("D 400 pressed -> 30.31 dBi") << "10" << none << 3 << "30.31" << none;
    QTest::newRow("letters") << "abc" << none << 1 << none << reason(FrequencyNotANumber);
    QTest::newRow("zero") << "0" << none << 1 << none << reason(FrequencyZero);
    QTest::newRow("negative") << "-5" << none << 1 << none << reason(FrequencyNegative);
    QTest::newRow("2000 GHz") << "2000" << none << 1 << none << reason(FrequencyTooHigh);
    QTest::newRow("η 1.5") << "10"
                           << "1.5" << 1 << none << reason(EfficiencyOutOfRange);
  }
  void figuresAsTheUserTypes() {
    QFETCH(QString, frequency);
    QFETCH(QString, efficiency);
    QFETCH(int, presses);
    QFETCH(QString, gain);
    QFETCH(const QString, reason);
    Started();
    if (presses > 0) Calculate();
    QAction* open = form_->Window().findChild<QAction*>(QStringLiteral("openFrequency"));
    QVERIFY(open->isEnabled());
    open->trigger();
    QTest::keyClicks(Find<QLineEdit>("frequency"), frequency);
    QTest::keyClicks(Find<QLineEdit>("efficiency"), efficiency);
    if (presses > 1) Type(FieldId::Text1, QStringLiteral("400"));
    if (presses > 2) Calculate();
    form_->Frequency().close();  // kept for the session: opened again, as it was
    open->trigger();
    QCOMPARE(Find("gain")->text(), gain);
    QCOMPARE(Find("reason")->isVisible() ? Find("reason")->text() : QString(), reason);
    QCOMPARE(Find("gain")->isEnabled(), presses % 2 == 1 && reason.isEmpty());
    QCOMPARE(Find<QLineEdit>("frequency")->text(), frequency);
    QCOMPARE(Find("feed-beamwidth")->text(), gain.isEmpty() ? QString() : Utf8("80.093"));
  }
};

QTEST_MAIN(FrequencyWindowTest)
#include "frequency_window_test.moc"
