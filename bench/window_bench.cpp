// What the user waits for in the window: a click on Calculate until the last field is painted,
// for the default table and for long ones. Run on any Qt platform (offscreen, or xcb under Xvfb
// for a real X server); prints the median of several clicks for each table.

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app.h"
#include "main_window.h"

namespace {

using velmora::ui::Command;
using velmora::ui::Form1;

struct Case {
  const char* name;
  const char* start;
  const char* stop;
  int clicks;
};

double MedianMilliseconds(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  velmora::ui::ConfigureApplication(app);
  const Case cases[] = {
      {"defaults, 36 rows", "0", "35", 21},
      {"100,000 rows", "1", "100000", 9},
      {"1,000,000 rows", "1", "1000000", 5},
  };
  std::printf("%-20s %12s %12s\n", "table", "median ms", "runs");
  for (const Case& c : cases) {
    Form1 form;
    form.Load();
    if (!QTest::qWaitForWindowExposed(&form.Window())) return 1;
    form.Core().Fields().Write(velmora::FieldId::Text17, c.start);
    form.Core().Fields().Write(velmora::FieldId::Text18, c.stop);
    QPushButton* calculate = form.Window().Button(Command::Calculate);
    std::vector<double> times;
    for (int run = 0; run < c.clicks; ++run) {
      QApplication::processEvents();
      QElapsedTimer clock;
      clock.start();
      QTest::mouseClick(calculate, Qt::LeftButton);
      // Paint everything the click changed, the table's first rows included, before stopping.
      form.Window().repaint();
      QApplication::processEvents();
      times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    const auto* placement = qobject_cast<QLineEdit*>(form.Window().FieldWidget(21));
    if (placement->text() != QStringLiteral("98.11")) {
      std::printf("%s: the calculation did not complete\n", c.name);
      return 1;
    }
    std::printf("%-20s %12.2f %12d\n", c.name, MedianMilliseconds(times), c.clicks);
  }
  return 0;
}
