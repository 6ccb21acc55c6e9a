#pragma once

// The application shell: the one window Form1 with its calculator, the five events wired to
// their handlers, the start-up and the exit.

#include <QObject>
#include <memory>

#include "calculator.h"
#include "main_window.h"
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

// The shell around the window Form1: it owns the window and the calculator behind it, keeps the
// window's fields and the field set one, and runs the handler of each wired event.
class Shell : public QObject {
 public:
  explicit Shell(double dotsPerInch = 0.0);
  ~Shell() override;

  // Load: the defaults fill every field before the window is first shown; then the window opens
  // with the focus in Text1.
  void Load();

  MainWindow& Window() { return *window_; }
  Calculator& Core() { return calculator_; }

 private:
  void OnCommand(Command command);

  Calculator calculator_;
  std::unique_ptr<MainWindow> window_;
};

// The whole program: start-up, the event loop until Exit or the window closes.
int RunApplication(int argc, char** argv);

}  // namespace velmora::ui
