// What the user waits for in the window, for the default 36-row table and for tables of 100,000
// and 1,000,000 rows: the core's own Command1_Click, a click on Calculate until the table is
// painted, Ctrl+A Ctrl+C in the table until the clipboard holds the whole text, a key, a wheel
// turn or a click in the shown table, and the process's peak resident memory; then the copy's
// table forms (HTML, tab-separated values), which a program asks for when it pastes. Each table
// runs in a process of its own (the program starts itself once per table), so each peak belongs to
// one table. Run on any Qt platform: offscreen, or xcb under Xvfb (bench/window_bench.sh), where
// --external makes another program (xclip) read the clipboard, as a user's editor would.
//   velmora_window_bench                  all three tables, one process each
//   velmora_window_bench --rows N [--external]   one table in this process

#include <QAbstractScrollArea>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app.h"
#include "calculator.h"
#include "main_window.h"

namespace {

using velmora::FieldId;
using velmora::ui::Command;
using velmora::ui::Shell;

struct Case {
  long rows;
  int runs;  // clicks, copies and key presses timed for the median
};

constexpr Case kCases[] = {{36, 21}, {100'000, 9}, {1'000'000, 5}};

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times.empty() ? 0.0 : times[times.size() / 2];
}

double Milliseconds(const QElapsedTimer& clock) {
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// VmHWM or VmRSS of this process, in MB.
double StatusMegabytes(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stod(line.substr(std::strlen(key))) / 1024.0;
  }
  return 0.0;
}

// START and STOP for the table: the defaults give 36 rows (0 to 35), START 1 and STOP N give N.
void SetRange(velmora::FieldSet& fields, long rows) {
  if (rows == 36) return;
  fields.Write(FieldId::Text17, "1");
  fields.Write(FieldId::Text18, std::to_string(rows));
}

// The bytes of the clipboard's plain text as another program receives them (xclip), or as this
// one does.
qsizetype ClipboardLength(bool external) {
  if (!external) {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime != nullptr ? mime->data(QStringLiteral("text/plain")).size() : 0;
  }
  QProcess reader;
  reader.start(QStringLiteral("xclip"), {"-o", "-selection", "clipboard"});
  // This process owns the selection and must answer xclip's requests while it waits.
  while (reader.state() != QProcess::NotRunning) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    reader.waitForFinished(1);
  }
  return reader.readAllStandardOutput().size();
}

// The table forms of a whole copy, made when a program asks for them (a paste into a
// spreadsheet), after the figures above: their time and the peak memory with them.
int TimeTableForms(QAbstractScrollArea* table, long rows, int runs) {
  QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  std::string figures;
  for (const char* form : {"text/html", "text/tab-separated-values"}) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
      QElapsedTimer clock;
      clock.start();
      const qsizetype length = mime != nullptr ? mime->data(QString::fromLatin1(form)).size() : 0;
      times.push_back(Milliseconds(clock));
      if (length < static_cast<qsizetype>(rows) * 10) {
        std::printf("rows %ld: the %s form holds %lld bytes\n", rows, form,
                    static_cast<long long>(length));
        return 1;
      }
    }
    char figure[96];
    std::snprintf(figure, sizeof figure, " %s %.1f", form, Median(times));
    figures += figure;
  }
  std::printf("          table forms on request, ms:%s; peak with them %.0f MB\n", figures.c_str(),
              StatusMegabytes("VmHWM:"));
  return 0;
}

int RunCase(long rows, bool external) {
  int runs = 5;
  for (const Case& c : kCases) {
    if (c.rows == rows) runs = c.runs;
  }
  // The core alone, without a window, before the window exists.
  std::vector<double> core;
  {
    velmora::Calculator calc;
    calc.Form_Load();
    SetRange(calc.Fields(), rows);
    for (int run = 0; run < runs; ++run) {
      QElapsedTimer clock;
      clock.start();
      calc.Command1_Click();
      core.push_back(Milliseconds(clock));
    }
    if (calc.Fields().Text(FieldId::Text15).size() != static_cast<std::size_t>(rows) * 17U) {
      std::printf("rows %ld: the core did not build the whole table\n", rows);
      return 1;
    }
  }

  Shell form;
  form.Load();
  if (!QTest::qWaitForWindowExposed(&form.Window())) return 1;
  QApplication::processEvents();
  const double idleMegabytes = StatusMegabytes("VmRSS:");
  SetRange(form.Core().Fields(), rows);
  QPushButton* calculate = form.Window().Button(Command::Calculate);
  auto* table = qobject_cast<QAbstractScrollArea*>(form.Window().FieldWidget(15));

  // Click to the table painted: the click runs the calculation, then everything it changed is
  // painted (the table's first rows included) before the clock stops.
  std::vector<double> click;
  for (int run = 0; run < runs; ++run) {
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(calculate, Qt::LeftButton);
    form.Window().repaint();
    QApplication::processEvents();
    click.push_back(Milliseconds(clock));
  }
  const auto* placement = qobject_cast<QLineEdit*>(form.Window().FieldWidget(21));
  // The copy has one "\n" per row where the field has CR LF. (No FieldText here: its copy of the
  // whole table would count in the peak memory, and the user never pays for it.)
  const qsizetype expectedLength = static_cast<qsizetype>(rows) * 16;
  if (placement->text() != QStringLiteral("98.11") ||
      form.Core().Fields().Text(FieldId::Text15).size() != static_cast<std::size_t>(rows) * 17U) {
    std::printf("rows %ld: the calculation did not complete\n", rows);
    return 1;
  }

  // Select all and copy, until the clipboard holds the whole text.
  std::vector<double> copy;
  table->setFocus();
  for (int run = 0; run < std::min(runs, 5); ++run) {
    QGuiApplication::clipboard()->clear();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(table, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    const qsizetype length = ClipboardLength(external);
    copy.push_back(Milliseconds(clock));
    if (length != expectedLength) {
      std::printf("rows %ld: the clipboard holds %lld characters, not %lld\n", rows,
                  static_cast<long long>(length), static_cast<long long>(expectedLength));
      return 1;
    }
  }
  QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);

  // One key, wheel turn or click on the shown table, until the table is painted again.
  QWidget* viewport = table->viewport();
  const QPoint inside(viewport->width() / 2, viewport->height() / 3);
  const std::pair<const char*, std::function<void()>> actions[] = {
      {"Down", [&] { QTest::keyClick(table, Qt::Key_Down); }},
      {"PageDown", [&] { QTest::keyClick(table, Qt::Key_PageDown); }},
      {"Shift+Down", [&] { QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier); }},
      {"End", [&] { QTest::keyClick(table, Qt::Key_End); }},
      {"Ctrl+End", [&] { QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier); }},
      {"Ctrl+Home", [&] { QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier); }},
      {"typed x", [&] { QTest::keyClick(table, Qt::Key_X); }},
      {"wheel",
       [&] {
         QWheelEvent wheel(QPointF(inside), viewport->mapToGlobal(QPointF(inside)), QPoint(),
                           QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
         QApplication::sendEvent(viewport, &wheel);
       }},
      {"click", [&] { QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, inside); }},
  };
  std::string actionFigures;
  double worst = 0.0;
  std::vector<double> all;
  for (const auto& [name, act] : actions) {
    std::vector<double> times;
    for (int run = 0; run < std::min(runs, 5); ++run) {
      QApplication::processEvents();
      QElapsedTimer clock;
      clock.start();
      act();
      viewport->repaint();
      QApplication::processEvents();
      times.push_back(Milliseconds(clock));
    }
    const double median = Median(times);
    worst = std::max(worst, median);
    all.insert(all.end(), times.begin(), times.end());
    char figure[64];
    std::snprintf(figure, sizeof figure, " %s %.2f", name, median);
    actionFigures += figure;
  }

  std::printf("%9ld %10.1f %10.1f %10.1f %8.2f %8.2f %8.0f %8.0f\n", rows, Median(core),
              Median(click), Median(copy), Median(all), worst, idleMegabytes,
              StatusMegabytes("VmHWM:"));
  std::printf("          key/scroll/click medians, ms:%s\n", actionFigures.c_str());
  return TimeTableForms(table, rows, std::min(runs, 5));
}

}  // namespace

int main(int argc, char** argv) {
  long rows = 0;
  bool external = false;
  for (int k = 1; k < argc; ++k) {
    if (std::strcmp(argv[k], "--rows") == 0 && k + 1 < argc) rows = std::atol(argv[++k]);
    if (std::strcmp(argv[k], "--external") == 0) external = true;
  }
  if (rows == 0) {
    // One process per table, so that each peak resident memory is that table's.
    QCoreApplication app(argc, argv);
    std::printf("%9s %10s %10s %10s %8s %8s %8s %8s\n", "rows", "core ms", "click ms", "copy ms",
                "key ms", "worst", "idle MB", "peak MB");
    std::fflush(stdout);
    int failed = 0;
    for (const Case& c : kCases) {
      QProcess child;
      child.setProcessChannelMode(QProcess::ForwardedChannels);
      QStringList arguments{"--rows", QString::number(c.rows)};
      if (external) arguments << "--external";
      child.start(QCoreApplication::applicationFilePath(), arguments);
      child.waitForFinished(-1);
      failed += child.exitCode() != 0 ? 1 : 0;
    }
    return failed;
  }
  QApplication app(argc, argv);
  velmora::ui::ConfigureApplication(app);
  return RunCase(rows, external);
}
