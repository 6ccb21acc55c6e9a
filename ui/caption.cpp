#include "caption.h"

#include <QPainter>
#include <QTextOption>

namespace velmora::ui {

void Caption::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  painter.drawText(QRectF(rect()), text(), option);
}

}  // namespace velmora::ui
