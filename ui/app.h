#pragma once

// The application shell: the one window Form1 with its calculator, the five events wired to
// their handlers, the start-up and the exit.

#include <QObject>
#include <memory>
#include <optional>
#include <utility>

#include "calculator.h"
#include "frequency_window.h"
#include "main_window.h"
#include "part_commands.h"
#include "velmora_version.h"

class QApplication;

namespace velmora::ui {

inline constexpr const char* kApplicationName = version::kProductName;
inline constexpr const char* kApplicationVersion = version::kDisplayVersion;

// Name, version, icon, Japanese locale and Qt's Japanese texts, font substitutes. Once, before
// the window is made.
void ConfigureApplication(QApplication& app);

// The application icon: 16x16 and 32x32 images.
QIcon ApplicationIcon();

// Tables with at least this many rows show a wait cursor while they are built.
inline constexpr std::size_t kWaitCursorRows = 10'000;

// The shell around the window Form1: it owns the window and the calculator behind it, runs the
// handler of each wired event, and keeps the window's fields and the field set one: the user's
// edits go into the field set as they happen, and once a handler returns, every field it wrote is
// shown.
class Shell : public QObject {
 public:
  explicit Shell(double dotsPerInch = 0.0);

  // Load: the defaults fill every field before the window is first shown; then the window opens
  // with the focus in Text1.
  void Load();

  MainWindow& Window() { return *window_; }
  Calculator& Core() { return calculator_; }
  // Print, PDF and the part files, in the table's context menu.
  PartCommands& PartFileCommands() { return *partCommands_; }
  // The design at a frequency, opened from the same menu.
  FrequencyWindow& Frequency() { return *frequency_; }

 private:
  void OnCommand(Command command);
  void Calculate();
  // Shows each field the last handler wrote; a table indexed ahead is shown with its index.
  void ShowWrittenFields(std::optional<IndexedText> indexed = std::nullopt);
  // Tells the part commands and the frequency window whether the window still shows the design of
  // its last completed press.
  void RefreshCommands();

  Calculator calculator_;
  std::unique_ptr<MainWindow> window_;
  FrequencyWindow* frequency_;  // owned by the window
  PartCommands* partCommands_;  // owned by the window
};

// The whole program: start-up, the event loop until Exit or the window closes.
int RunApplication(int argc, char** argv);

}  // namespace velmora::ui
