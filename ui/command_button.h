#pragma once

// A command button: runs on a click, on Space, and on Enter while it has the focus. No button is
// the window's default, so Enter in a field runs nothing.

#include <QKeyEvent>
#include <QPushButton>

namespace velmora::ui {

class CommandButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        !event->isAutoRepeat()) {
      click();
      return;
    }
    QPushButton::keyPressEvent(event);
  }
};

}  // namespace velmora::ui
