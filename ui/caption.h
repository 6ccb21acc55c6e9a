#pragma once

// A static caption in a box of fixed size. Its text is laid out inside the box: a box narrower
// than its text breaks the text onto further lines, between words where it can and between
// characters where it must ("↑" stands above "Y" in a box one character wide), and a box lower
// than a line shows the top of the line.

#include <QLabel>

namespace velmora::ui {

class Caption : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora::ui
