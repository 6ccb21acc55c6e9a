// One version: the window's caption and the application's name and version agree with the
// project's version as CMake holds it, read here on their own terms ("1.0.0" -> "1.00").

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <memory>

#include "app.h"

using namespace velmora::ui;

namespace {

// The display version from the project's MAJOR.MINOR.PATCH: the minor always in two digits.
QString DisplayVersion(const QString& projectVersion) {
  const QStringList parts = projectVersion.split(QLatin1Char('.'));
  return QStringLiteral("%1.%2")
      .arg(parts.value(0))
      .arg(parts.value(1).toInt(), 2, 10, QLatin1Char('0'));
}

}  // namespace

class VersionTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Shell> form_;

 private slots:
  void initTestCase() {
    ConfigureApplication(*qobject_cast<QApplication*>(qApp));
    form_ = std::make_unique<Shell>(96.0);
    form_->Load();
  }
  void cleanupTestCase() { form_.reset(); }

  void shownAsTheProjectVersion_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");
    const QString name = QStringLiteral(VELMORA_PROJECT_NAME);
    const QString display = DisplayVersion(QStringLiteral(VELMORA_PROJECT_VERSION));
    QTest::newRow("window caption: form revision, name, display version")
        << form_->Window().Element("Label32")->property("text").toString()
        << QStringLiteral("Ver 1.0a  %1 %2").arg(name, display);
    QTest::newRow("application version") << QCoreApplication::applicationVersion() << display;
    QTest::newRow("application name") << QCoreApplication::applicationName() << name;
  }
  void shownAsTheProjectVersion() {
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    QCOMPARE(shown, expected);
  }
};

QTEST_MAIN(VersionTest)
#include "version_test.moc"
