// velmora-cli driven as a shell user drives it, each case a row, against the window's own code: the
// fields after a press of Calculate, the design sheet's lines, the part files' bytes.

#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <utility>

#include "calculator.h"
#include "design.h"
#include "electrical_text.h"
#include "fonts.h"
#include "number_text.h"
#include "part_files.h"
#include "sheet_content.h"

using velmora::Calculator;
using velmora::FieldId;
using namespace velmora;

namespace {

struct Run {
  int exit = -1;
  QByteArray out;
  QByteArray err;
};

// `environment`: "NAME=value" to set, "NAME" to unset, over the test's own.
Run Cli(const QStringList& arguments, const QByteArray& input = {},
        const QStringList& environment = {}) {
  QProcess process;
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  for (const QString& variable : environment) {
    const qsizetype equals = variable.indexOf(QLatin1Char('='));
    if (equals < 0)
      variables.remove(variable);
    else
      variables.insert(variable.left(equals), variable.mid(equals + 1));
  }
  process.setProcessEnvironment(variables);
  process.start(QCoreApplication::applicationDirPath() + QStringLiteral(VELMORA_CLI), arguments);
  if (!input.isEmpty()) process.write(input);
  process.closeWriteChannel();
  process.waitForFinished(120'000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput(), process.readAllStandardError()};
}

// The option a shell user types into each of the window's input fields.
const std::pair<const char*, FieldId> kTyped[] = {
    {"--main-diameter", FieldId::Text1}, {"--main-fd", FieldId::Text2},
    {"--sub-diameter", FieldId::Text3},  {"--feed-fd", FieldId::Text4},
    {"--start", FieldId::Text17},        {"--stop", FieldId::Text18},
    {"--step", FieldId::Text19},
};

// The window after the same texts are typed (STOP following a typed diameter when the focus
// leaves it) and Calculate is pressed.
void PressCalculate(Calculator& window, const QStringList& arguments) {
  window.Form_Load();
  bool stopTyped = false;
  for (qsizetype k = 0; k + 1 < arguments.size(); ++k) {
    for (const auto& [option, field] : kTyped) {
      if (arguments[k] != QLatin1String(option)) continue;
      window.Fields().StoreUserText(field, arguments[k + 1].toStdString());
      stopTyped = stopTyped || field == FieldId::Text18;
    }
  }
  if (arguments.contains(QStringLiteral("--sub-diameter")) && !stopTyped) {
    window.Text3_LostFocus();
  }
  window.Command1_Click();
}

// Every line of the design sheet, in its order: inputs, range, results, derived figures.
std::vector<sheet::SheetLine> SheetLines(const sheet::SheetContent& content) {
  std::vector<sheet::SheetLine> lines = content.inputs;
  for (const auto* part : {&content.range, &content.results, &content.derived}) {
    lines.insert(lines.end(), part->begin(), part->end());
  }
  return lines;
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A PDF's bytes without its moment of writing.
QByteArray Undated(QByteArray pdf) {
  static const QRegularExpression date(QStringLiteral("/CreationDate \\(D:[^)]*\\)"));
  return QString::fromLatin1(pdf).remove(date).toLatin1();
}

bool Japanese() {
  return QLocale::system().language() == QLocale::Japanese;
}

}  // namespace

class CliTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { ui::InstallFontSubstitutes(); }

  void designs_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("defaults") << QStringList{};
    QTest::newRow("F/D 0.25") << QStringList{"--main-fd", "0.25"};
    QTest::newRow("d 200: feed behind the vertex") << QStringList{"--sub-diameter", "200"};
    QTest::newRow("d 50 follows STOP") << QStringList{"--sub-diameter", "50"};
    QTest::newRow("large dish") << QStringList{"--main-diameter", "3000", "--main-fd", "0.35",
                                               "--sub-diameter",  "300",  "--feed-fd", "0.9"};
    QTest::newRow("small dish, exponent inputs")
        << QStringList{"--main-diameter", "1.2e2", "--main-fd", ".5", "--sub-diameter", "12"};
    QTest::newRow("range 0 to 1 by 0.1") << QStringList{"--stop", "1", "--step", "0.1"};
    QTest::newRow("range downwards") << QStringList{"--start", "35", "--stop", "0", "--step", "-1"};
    QTest::newRow("cells cut to 7") << QStringList{"--start", "10000", "--stop", "10000"};
    QTest::newRow("no rows") << QStringList{"--start", "40"};
    QTest::newRow("d / D of 1 / 32: a tie at the fifth decimal")
        << QStringList{"--main-diameter", "32", "--sub-diameter", "1"};
  }

  // The text, the JSON and the table say what the window's fields and its design sheet say.
  void designs() {
    QFETCH(QStringList, arguments);
    Calculator window;
    PressCalculate(window, arguments);
    QVERIFY(window.LastPressCompleted());
    const auto content = sheet::ReadSheetContent(window.Fields(), QDate());
    QVERIFY(content);
    const std::vector<sheet::SheetLine> lines = SheetLines(*content);
    const auto figures = part::Derive(content->design);
    const double derived[] = {figures.eccentricity, figures.magnification,
                              figures.equivalentFocalRatio, figures.blockageRatio};
    // The derived figures to four decimals as Qt rounds a double: half away from zero.
    for (std::size_t k = 0; k < std::size(derived); ++k) {
      QCOMPARE(lines[lines.size() - std::size(derived) + k].text,
               QString::number(derived[k], 'f', 4));
    }

    const Run text = Cli(arguments);
    QCOMPARE(text.exit, 0);
    QCOMPARE(text.err, QByteArray());
    const QStringList shown = QString::fromUtf8(text.out).split(QLatin1Char('\n'));
    QCOMPARE(shown.size(), static_cast<qsizetype>(lines.size()) + 1);  // the last line's end
    for (std::size_t k = 0; k < lines.size(); ++k) {
      const sheet::SheetLine& line = lines[k];
      QString value = QStringLiteral(": ") + line.text;
      // In a Japanese session the window's own captions, as the sheet prints them.
      if (Japanese()) {
        value = line.caption + value + (line.unit.isEmpty() ? QString() : ' ' + line.unit);
        QCOMPARE(shown[static_cast<qsizetype>(k)], value);
      } else {
        QVERIFY2(shown[static_cast<qsizetype>(k)].contains(value + ' ') ||
                     shown[static_cast<qsizetype>(k)].endsWith(value),
                 qPrintable(shown[static_cast<qsizetype>(k)] + " lacks " + value));
      }
    }

    const Run json = Cli(arguments + QStringList{"--json"});
    QCOMPARE(json.exit, 0);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.out, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object.size(), static_cast<qsizetype>(lines.size()));
    // Keys in English; each figure once, in the sheet's order, its text and its number.
    const QByteArray raw = json.out;
    qsizetype at = 0;
    for (const sheet::SheetLine& line : lines) {
      const QString quoted = QStringLiteral("{\"text\": \"%1\"").arg(line.text);
      at = raw.indexOf(quoted.toUtf8(), at);
      QVERIFY2(at >= 0, qPrintable(quoted));
    }
    for (const QJsonValue& value : object) QVERIFY(value.toObject().value("value").isDouble());
    // The numbers: each text's number, the derived figures unrounded.
    std::vector<double> numbers;
    for (std::size_t n = 0; n + 4 < lines.size(); ++n) {
      numbers.push_back(ToNumber(lines[n].text.toStdString()));
    }
    numbers.insert(numbers.end(), std::begin(derived), std::end(derived));
    static const QRegularExpression valueField(QStringLiteral("\"value\": ([^}]*)\\}"));
    auto values = valueField.globalMatch(QString::fromUtf8(raw));
    for (const double number : numbers) {
      QVERIFY(values.hasNext());
      const QString written = values.next().captured(1);
      QVERIFY2(written.toDouble() == number, qPrintable(written));
    }
    QVERIFY(!values.hasNext());

    const Run table = Cli(arguments + QStringList{"--table"});
    QCOMPARE(table.exit, 0);
    QCOMPARE(table.out, QByteArray::fromStdString(window.Fields().Text(FieldId::Text15)));
  }

  void files_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("arguments");
    using ui::PartFile;
    const QStringList large{"--main-diameter", "1200", "--sub-diameter", "150"};
    QTest::newRow("pdf") << "--pdf" << int(PartFile::Pdf) << QStringList{};
    QTest::newRow("dxf") << "--dxf" << int(PartFile::Dxf) << QStringList{};
    QTest::newRow("csv") << "--csv" << int(PartFile::Csv) << QStringList{"--step", "0.5"};
    QTest::newRow("stl") << "--stl" << int(PartFile::Stl) << QStringList{};
    QTest::newRow("stl thick, coarse") << "--stl" << int(PartFile::Stl)
                                       << QStringList{"--stl-thickness", "5", "--stl-facets", "90"};
    QTest::newRow("main dxf") << "--main-dxf" << int(PartFile::MainDxf) << large;
    QTest::newRow("main csv") << "--main-csv" << int(PartFile::MainCsv) << QStringList{};
    QTest::newRow("main csv by 2")
        << "--main-csv" << int(PartFile::MainCsv) << QStringList{"--main-csv-step", "2"};
    QTest::newRow("main stl") << "--main-stl" << int(PartFile::MainStl)
                              << QStringList{"--main-stl-thickness", "4", "--main-stl-facets",
                                             "120"};
    QTest::newRow("assembly dxf") << "--assembly-dxf" << int(PartFile::AssemblyDxf) << large;
  }

  // Each file is the window's for the same design, byte for byte (the PDF but for its date).
  void files() {
    QFETCH(QString, option);
    QFETCH(int, kind);
    QFETCH(QStringList, arguments);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.out"));
    // A file written over keeps its permissions, as the window's save keeps them.
    constexpr auto kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile(path).open(QIODevice::WriteOnly);
    QFile::setPermissions(path, kOwnerOnly);
    const Run run = Cli(arguments + QStringList{option, path});
    QCOMPARE(run.exit, 0);
    QCOMPARE(run.err, QByteArray());
#ifndef Q_OS_WIN
    constexpr auto kUsers = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    QCOMPARE(QFile::permissions(path) & ~kUsers, kOwnerOnly);
#endif

    Calculator window;
    PressCalculate(window, arguments);
    const auto content = sheet::ReadSheetContent(window.Fields(), QDate::currentDate());
    QVERIFY(content);
    // The choices the window's dialogs would have been answered with.
    ui::FileOptions options;
    const auto given = [&arguments](const char* name) {
      const qsizetype at = arguments.indexOf(QLatin1String(name));
      return at < 0 ? std::optional<double>() : arguments[at + 1].toDouble();
    };
    options.subSolid.thicknessMm = given("--stl-thickness").value_or(options.subSolid.thicknessMm);
    options.subSolid.facetsPerTurn =
        static_cast<int>(given("--stl-facets").value_or(options.subSolid.facetsPerTurn));
    options.mainShell.thicknessMm =
        given("--main-stl-thickness").value_or(options.mainShell.thicknessMm);
    options.mainShell.facetsPerTurn =
        static_cast<int>(given("--main-stl-facets").value_or(options.mainShell.facetsPerTurn));
    options.mainProfileStepMm = given("--main-csv-step").value_or(options.mainProfileStepMm);
    const auto bytes = ui::PartFileBytes(static_cast<ui::PartFile>(kind), *content,
                                         window.Fields().Text(FieldId::Text15), options);
    QVERIFY(bytes);
    if (kind == int(ui::PartFile::Pdf)) {
      QCOMPARE(Undated(Contents(path)), Undated(*bytes));
    } else {
      QVERIFY(Contents(path) == *bytes);
    }
  }

  void refused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");  // standard input
    QTest::addColumn<int>("exit");
    QTest::addColumn<QStringList>("says");  // on standard error, in either language
    QTest::addColumn<QString>("unwritten");
    const QStringList none;
    QTest::newRow("unknown option")
        << QStringList{"--bogus"} << QByteArray() << 2 << QStringList{"bogus"} << QString();
    QTest::newRow("every unknown option named")
        << QStringList{"--bogus", "-x", "--main-diam", "9"} << QByteArray() << 2
        << QStringList{"bogus, x, main-diam."} << QString();
    QTest::newRow("missing value")
        << QStringList{"--dxf", "@/x.dxf", "--main-diameter"} << QByteArray() << 2
        << QStringList{"'--main-diameter'"} << "@/x.dxf";
    QTest::newRow("value after a switch")
        << QStringList{"--json=1"} << QByteArray() << 2 << QStringList{"'--json'"} << QString();
    QTest::newRow("no number") << QStringList{"--main-fd", "abc", "--dxf", "@/x.dxf"}
                               << QByteArray() << 2 << QStringList{"main-fd", "abc"} << "@/x.dxf";
    QTest::newRow("decimal comma") << QStringList{"--sub-diameter", "1,5"} << QByteArray() << 2
                                   << QStringList{"sub-diameter", "1,5"} << QString();
    QTest::newRow("facets not whole")
        << QStringList{"--stl-facets", "3.5", "--stl", "@/x.stl"} << QByteArray() << 2
        << QStringList{"stl-facets", "3.5"} << "@/x.stl";
    QTest::newRow("facets the writer refuses")
        << QStringList{"--stl-facets", "2", "--stl", "@/x.stl"} << QByteArray() << 2
        << QStringList{"x.stl"} << "@/x.stl";
    QTest::newRow("no file where one is refused")
        << QStringList{"--dxf", "@/x.dxf", "--stl-facets", "2", "--stl", "@/x.stl"} << QByteArray()
        << 2 << QStringList{"x.stl"} << "@/x.dxf";
    QTest::newRow("argument of no option")
        << QStringList{"extra"} << QByteArray() << 2 << QStringList{"extra"} << QString();
    QTest::newRow("sweep of too many")
        << QStringList{"--sweep", "main-diameter=1:1000:1", "--sweep", "sub-diameter=1:1001:1"}
        << QByteArray() << 2 << QStringList{"1000000"} << QString();
    QTest::newRow("one axis too long") << QStringList{"--sweep", "step=0:2:0.000001"}
                                       << QByteArray() << 2 << QStringList{"2000001"} << QString();
    QTest::newRow("sweep of no input") << QStringList{"--sweep", "diameter=1:2:1"} << QByteArray()
                                       << 2 << QStringList{"diameter=1:2:1"} << QString();
    QTest::newRow("sweep by 0") << QStringList{"--sweep", "main-fd=0.3:0.4:0"} << QByteArray() << 2
                                << QStringList{"main-fd=0.3:0.4:0"} << QString();
    QTest::newRow("sweep away from TO")
        << QStringList{"--sweep", "main-fd=0.3:0.4:-0.1"} << QByteArray() << 2 << none << QString();
    QTest::newRow("many files under one name")
        << QStringList{"--sweep", "sub-diameter=50:60:5", "--dxf", "@/x.dxf"} << QByteArray() << 2
        << QStringList{"dxf"} << "@/x.dxf";
    QTest::newRow("name of no input") << QStringList{"--dxf", "@/{diameter}.dxf"} << QByteArray()
                                      << 2 << QStringList{"{diameter}"} << "@/.dxf";
    QTest::newRow("designs: cell no number")
        << QStringList{"--designs", "-"}
        << QByteArray("main-diameter,sub-diameter\n370,70\n370,7O\n") << 2 << QStringList{"7O", "3"}
        << QString();
    QTest::newRow("designs: column of no input")
        << QStringList{"--designs", "-"} << QByteArray("main-diameter,diameter\n370,70\n") << 2
        << QStringList{"diameter"} << QString();
    QTest::newRow("designs: no file") << QStringList{"--designs", "@/none.csv"} << QByteArray() << 2
                                      << QStringList{"none.csv"} << QString();
    QTest::newRow("stops at step 3") << QStringList{"--main-diameter", "0", "--dxf", "@/x.dxf"}
                                     << QByteArray() << 1 << QStringList{"3"} << "@/x.dxf";
    QTest::newRow("stops at step 4")
        << QStringList{"--feed-fd", "0"} << QByteArray() << 1 << QStringList{"4"} << QString();
    QTest::newRow("folder as file")
        << QStringList{"--dxf", "@"} << QByteArray() << 3 << QStringList{"@"} << QString();
    QTest::newRow("no such folder") << QStringList{"--csv", "@/none/x.csv"} << QByteArray() << 3
                                    << QStringList{"@/none/x.csv"} << "@/none/x.csv";
    for (const char* frequency : {"abc", "0", "-10", "1000.5", ""}) {
      QTest::addRow("frequency %s", frequency)
          << QStringList{"--frequency", frequency, "--pdf", "@/x.pdf"} << QByteArray() << 2
          << QStringList{"frequency", frequency} << "@/x.pdf";
    }
    QTest::newRow("efficiency above 1")
        << QStringList{"--frequency", "10", "--efficiency", "1.2"} << QByteArray() << 2
        << QStringList{"efficiency", "1.2"} << QString();
    QTest::newRow("efficiency without a frequency")
        << QStringList{"--efficiency", "0.5"} << QByteArray() << 2 << QStringList{"--frequency"}
        << QString();
  }

  void electrical_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("10 GHz") << QStringList{"--frequency", "10"};
    QTest::newRow("3 m dish, 10 GHz, η 0.55")
        << QStringList{"--main-diameter", "3000", "--sub-diameter", "300",
                       "--frequency",     "10",   "--efficiency",   "0.55"};
    QTest::newRow("1 GHz, exponent") << QStringList{"--frequency", "1e0", "--efficiency", ".7"};
  }

  // The electrical figures as the frequency window and the sheet take them, after the geometry's
  // figures: each row's text and unit in the text, its text in the JSON, its cell in a sweep row.
  void electrical() {
    QFETCH(QStringList, arguments);
    Calculator window;
    PressCalculate(window, arguments);
    const qsizetype at = arguments.indexOf(QStringLiteral("--efficiency"));
    const auto inputs = part::ReadElectricalInputs(
        arguments[arguments.indexOf(QStringLiteral("--frequency")) + 1].toStdString(),
        at < 0 ? std::string() : arguments[at + 1].toStdString());
    const auto design = part::ReadDesign(window.Fields());
    QVERIFY(design);
    const auto figures = part::Electrical(*design, std::get<part::ElectricalInputs>(inputs));
    const auto rows = part::ElectricalRows(std::get<part::ElectricalFigures>(figures));

    const QStringList text = QString::fromUtf8(Cli(arguments).out).split(QLatin1Char('\n'));
    const QByteArray json = Cli(arguments + QStringList{"--json"}).out;
    const QStringList sweep =
        QString::fromUtf8(Cli(arguments + QStringList{"--sweep", "step=1:1:1"}).out)
            .split(QLatin1Char('\n'));
    QCOMPARE(sweep.size(), 3);  // the header, one row, the last line's end
    const QStringList header = sweep[0].split(QLatin1Char(','));
    const QStringList cells = sweep[1].split(QLatin1Char(','));
    // The rows come last but for the sub-reflector's note, in their own order.
    const qsizetype first = text.size() - 2 - static_cast<qsizetype>(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const part::ElectricalRow& row = rows[k];
      QString shown = QStringLiteral(": ") + QString::fromStdString(row.text);
      if (!row.unit.empty())
        shown += ' ' + QString::fromUtf8(row.unit.data(), qsizetype(row.unit.size()));
      const QString& line = text[first + qsizetype(k)];
      QVERIFY2(line.endsWith(shown), qPrintable(line));
      // In a Japanese session the frequency window's captions.
      if (Japanese()) QVERIFY(line.startsWith(QString::fromUtf8(row.japanese.data())));
      const QString key = QString::fromUtf8(row.key.data(), qsizetype(row.key.size()));
      QVERIFY(json.contains(QStringLiteral("\"%1\": {\"text\": \"%2\"")
                                .arg(key, QString::fromStdString(row.text))
                                .toUtf8()));
      QCOMPARE(cells.value(header.indexOf(key)), QString::fromStdString(row.text));
    }
  }

  // A mistake gives its exit status and says what it is on standard error; standard output stays
  // empty and no file is written.
  void refused() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exit);
    QFETCH(QStringList, says);
    QFETCH(QString, unwritten);
    QTemporaryDir folder;
    const auto here = [&folder](QString text) {
      return text.replace(QLatin1Char('@'), folder.path());
    };
    for (QString& argument : arguments) argument = here(argument);
    const Run run = Cli(arguments, input);
    QCOMPARE(run.exit, exit);
    QCOMPARE(run.out, QByteArray());
    const QString err = QString::fromUtf8(run.err);
    for (const QString& text : says) {
      QVERIFY2(err.contains(QDir::toNativeSeparators(here(text))), qPrintable(err));
    }
    if (!unwritten.isEmpty()) QVERIFY(!QFile::exists(here(unwritten)));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 0);
  }

  void many_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("samples");
    QTest::addColumn<QStringList>("inputs");  // of each sample: "name=text name=text"
    QTest::newRow("10,000 designs")
        << QStringList{"--sweep", "main-diameter=100:10000:100", "--sweep", "sub-diameter=1:100:1"}
        << QByteArray() << 10'000 << QList<int>{0, 99, 4321, 9999}
        << QStringList{"main-diameter=100 sub-diameter=1 stop=0.5",
                       "main-diameter=100 sub-diameter=100 stop=50",
                       "main-diameter=4400 sub-diameter=22 stop=11",
                       "main-diameter=10000 sub-diameter=100 stop=50"};
    QTest::newRow("F/D by 0.1 reaches TO")
        << QStringList{"--sweep", "main-fd=0.3:0.7:0.1", "--step", "5"} << QByteArray() << 5
        << QList<int>{0, 2, 4}
        << QStringList{"main-fd=0.3 step=5", "main-fd=0.5 stop=35", "main-fd=0.7"};
    QTest::newRow("refused designs carry their step")
        << QStringList{"--sweep", "main-diameter=0:370:370", "--sweep", "feed-fd=0:0.686:0.686"}
        << QByteArray() << 4 << QList<int>{0, 1, 2, 3}
        << QStringList{"main-diameter=0 feed-fd=0", "main-diameter=0 feed-fd=0.686",
                       "main-diameter=370 feed-fd=0", "main-diameter=370 feed-fd=0.686"};
    QTest::newRow("the table refused") << QStringList{"--sweep", "step=0:1:1"} << QByteArray() << 2
                                       << QList<int>{0, 1} << QStringList{"step=0", "step=1"};
    QTest::newRow("designs from standard input")
        << QStringList{"--designs", "-", "--main-fd", "0.4"}
        << QByteArray("main-diameter,sub-diameter\r\n370,70\r\n\"1200\",150\r\n0,70\r\n,50\r\n")
        << 4 << QList<int>{0, 1, 2, 3}
        << QStringList{"main-diameter=370 main-fd=0.4", "main-diameter=1200 sub-diameter=150",
                       "main-diameter=0 sub-diameter=70", "main-diameter=370 sub-diameter=50"};
  }

  // One CSV row a design, with the window's texts for that design; a design the window stops at
  // a failing step gets a row that names the step.
  void many() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, rows);
    QFETCH(QList<int>, samples);
    QFETCH(QStringList, inputs);
    const Run run = Cli(arguments, input);
    QCOMPARE(run.exit, 0);
    QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.takeLast(), QString());
    QCOMPARE(lines.size(), rows + 1);
    const QStringList header = lines.takeFirst().split(QLatin1Char(','));
    const qsizetype figures = header.size() - 2;  // then where it stopped, and why

    for (qsizetype k = 0; k < samples.size(); ++k) {
      const int n = samples[k];
      const QStringList cells = lines[n].split(QLatin1Char(','));
      // The inputs the sweep or the file gives this row.
      for (const QString& pair : inputs[k].split(QLatin1Char(' '))) {
        const QStringList nameValue = pair.split(QLatin1Char('='));
        QCOMPARE(cells[header.indexOf(nameValue[0])], nameValue[1]);
      }
      // The row's own inputs (its first seven cells), typed into the window.
      QStringList given;
      for (qsizetype c = 0; c < 7; ++c) given << "--" + header[c] << cells[c];
      Calculator window;
      PressCalculate(window, given);
      if (!window.LastPressCompleted()) {
        const QString stoppedAt = cells[figures];
        // The window wrote the field before the step the row names, and not that step's.
        const std::map<QString, std::pair<FieldId, FieldId>> written = {
            {"3", {FieldId::Text5, FieldId::Text6}},
            {"4", {FieldId::Text6, FieldId::Text7}},
            {"table", {FieldId::Text14, FieldId::Text20}}};
        const auto [before, at] = written.at(stoppedAt);
        QVERIFY(!window.Fields().Text(before).empty());
        QCOMPARE(window.Fields().Text(at), std::string());
        continue;
      }
      const auto content = sheet::ReadSheetContent(window.Fields(), QDate());
      QVERIFY(content);
      QStringList texts;
      for (const sheet::SheetLine& line : SheetLines(*content)) texts << line.text;
      QCOMPARE(cells.mid(0, figures), texts);
      QCOMPARE(cells.mid(figures), (QStringList{QString(), QString()}));
    }
  }

  // With a name pattern each design of a sweep gets its own files, the window's for that design.
  void manyFiles() {
    QTemporaryDir folder;
    const Run run = Cli({"--sweep", "sub-diameter=50:60:10", "--main-csv",
                         folder.filePath("d{sub-diameter}-D{main-diameter}.csv")});
    QCOMPARE(run.exit, 0);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
             (QStringList{"d50-D370.csv", "d60-D370.csv"}));
    for (const char* d : {"50", "60"}) {
      Calculator window;
      PressCalculate(window, {"--sub-diameter", d});
      const auto content = sheet::ReadSheetContent(window.Fields(), QDate());
      const auto bytes = ui::PartFileBytes(ui::PartFile::MainCsv, *content, {}, {});
      QVERIFY(Contents(folder.filePath(QStringLiteral("d%1-D370.csv").arg(d))) == *bytes);
    }
  }

  void helpAndVersion() {
    const Run help = Cli({"--help"});
    QCOMPARE(help.exit, 0);
    for (const char* option : {"--main-diameter", "--sweep", "--designs", "--assembly-dxf",
                               "--main-csv-step", "--json", "--table"}) {
      QVERIFY2(help.out.contains(option), option);
    }
    // In a Japanese session the help speaks Japanese.
    QCOMPARE(QString::fromUtf8(help.out).contains(QString::fromUtf8("主反射鏡")), Japanese());
    const Run version = Cli({"--version"});
    QCOMPARE(version.exit, 0);
    QCOMPARE(version.out, QByteArray("velmora-cli " VELMORA_DISPLAY_VERSION "\n"));
  }

  void helpDefaults_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("byDefault");
    // What a run without options takes: its JSON's inputs, and the window's file choices.
    const QJsonObject run = QJsonDocument::fromJson(Cli({"--json"}).out).object();
    const auto typed = [&run](const char* key) {
      return run.value(QLatin1String(key)).toObject().value("text").toString();
    };
    const ui::FileOptions files;
    for (const char* input :
         {"main-diameter", "main-fd", "sub-diameter", "feed-fd", "start", "step"}) {
      QTest::newRow(input) << QStringLiteral("--%1 ").arg(input) << typed(input);
    }
    QTest::newRow("stl-thickness")
        << "--stl-thickness " << QString::number(files.subSolid.thicknessMm);
    QTest::newRow("stl-facets") << "--stl-facets " << QString::number(files.subSolid.facetsPerTurn);
    QTest::newRow("main-stl-thickness")
        << "--main-stl-thickness " << QString::number(files.mainShell.thicknessMm);
    QTest::newRow("main-stl-facets")
        << "--main-stl-facets " << QString::number(files.mainShell.facetsPerTurn);
    QTest::newRow("main-csv-step")
        << "--main-csv-step " << QString::number(files.mainProfileStepMm);
  }

  // The help names, for each option left out, what the program takes instead.
  void helpDefaults() {
    QFETCH(QString, option);
    QFETCH(QString, byDefault);
    const QString help = QString::fromUtf8(Cli({"--help"}).out);
    const qsizetype at = help.indexOf(QStringLiteral("  ") + option);
    QVERIFY2(at >= 0, qPrintable(option));
    const QString entry = help.mid(at, help.indexOf(QStringLiteral("\n  --"), at) - at);
    QVERIFY2(entry.contains('(' + byDefault + ')'), qPrintable(entry + " lacks " + byDefault));
  }

  void language_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<bool>("japanese");
    const QStringList none{"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    QTest::newRow("LANG ja_JP") << none + QStringList{"LANG=ja_JP.UTF-8"} << true;
    QTest::newRow("LC_MESSAGES over LANG")
        << none + QStringList{"LANG=C", "LC_MESSAGES=ja_JP.UTF-8"} << true;
    QTest::newRow("LC_ALL over all") << none + QStringList{"LANG=ja_JP", "LC_ALL=C"} << false;
    QTest::newRow("LANGUAGE's first") << none + QStringList{"LANG=en_US", "LANGUAGE=ja:en"} << true;
    QTest::newRow("LANGUAGE's first only")
        << none + QStringList{"LANG=ja", "LANGUAGE=en:ja"} << false;
    QTest::newRow("C takes no LANGUAGE") << none + QStringList{"LANG=C", "LANGUAGE=ja"} << false;
    QTest::newRow("ISO 639-2 code") << none + QStringList{"LANG=jpn_JP"} << true;
  }

  // The session's language from its locale variables, as a desktop program reads them.
  void language() {
#ifdef Q_OS_WIN
    QSKIP("Windows has its user's locale, not these variables");
#endif
    QFETCH(QStringList, environment);
    QFETCH(bool, japanese);
    const Run help = Cli({"--help"}, {}, environment);
    QCOMPARE(QString::fromUtf8(help.out).contains(QString::fromUtf8("主反射鏡")), japanese);
  }

  void libraries_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("painted");  // QtGui is loaded
    QTest::newRow("figures") << QStringList{} << false;
    QTest::newRow("json") << QStringList{"--json"} << false;
    QTest::newRow("table") << QStringList{"--table"} << false;
    QTest::newRow("sweep") << QStringList{"--sweep", "sub-diameter=50:60:5"} << false;
    QTest::newRow("part files") << QStringList{"--dxf", "@/x.dxf", "--csv",          "@/x.csv",
                                               "--stl", "@/x.stl", "--assembly-dxf", "@/a.dxf"}
                                << false;
    QTest::newRow("usage error") << QStringList{"--bogus"} << false;
    QTest::newRow("pdf") << QStringList{"--pdf", "@/x.pdf"} << true;
  }

  // No window system is loaded but for a PDF: the dynamic loader's list of what it loaded.
  void libraries() {
#ifndef Q_OS_LINUX
    QSKIP("Qt is linked into the program itself");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(bool, painted);
    QTemporaryDir folder;
    for (QString& argument : arguments) argument.replace(QLatin1Char('@'), folder.path());
    const Run run = Cli(arguments, {}, {"LD_DEBUG=libs"});
    QVERIFY2(run.err.contains("calling init:"), run.err.left(200).constData());
    QCOMPARE(run.err.contains("libQt6Gui.so"), painted);
    QCOMPARE(run.err.contains("libQt6Core.so"), painted);
  }
};

QTEST_MAIN(CliTest)
#include "cli_test.moc"
