#pragma once

// The program as the user meets it, for the window tests: the shell started at 96 dpi with its
// defaults in the fields and the window active.

#include <QPushButton>
#include <QTest>
#include <memory>

#include "app.h"
#include "main_window.h"

namespace velmora::ui {

inline std::unique_ptr<Shell> StartedShell() {
  auto shell = std::make_unique<Shell>(96.0);
  shell->Load();
  shell->Window().activateWindow();
  // A window that never becomes active would take no keys: every test on it would fail for the
  // wrong reason, or pass without its keys having arrived.
  if (!QTest::qWaitForWindowActive(&shell->Window())) {
    qFatal("StartedShell: the window did not become active");
  }
  return shell;
}

// A click on a command button, as the mouse gives it.
inline void ClickCommand(Shell& shell, Command command) {
  QTest::mouseClick(shell.Window().Button(command), Qt::LeftButton);
}

}  // namespace velmora::ui
