#pragma once

// The lines of the antenna sketch, drawn over the captions they cross and under the fields and
// buttons. It covers the client area and lets every mouse event through to what lies beneath.

#include <QWidget>

namespace velmora::ui {

class Sketch : public QWidget {
 public:
  Sketch(double dotsPerInch, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double dotsPerInch_;
};

}  // namespace velmora::ui
