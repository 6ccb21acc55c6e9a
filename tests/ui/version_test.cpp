// One version: the window's caption and the application's name and version agree with the
// project's name and display version as CMake makes them (cmake/VelmoraVersion.cmake, whose rule
// tests/packaging/version_forms_test.cmake checks).

#include <QApplication>
#include <QTest>
#include <memory>

#include "app.h"

using namespace velmora::ui;

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
    const QString display = QStringLiteral(VELMORA_DISPLAY_VERSION);
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
