#include "thin_frame_style.h"

#include <QPainter>
#include <QStyleOptionFrame>

namespace velmora::ui {

ThinFrameStyle::ThinFrameStyle() : QProxyStyle(static_cast<QStyle*>(nullptr)) {}

int ThinFrameStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
  if (metric == PM_DefaultFrameWidth) return kFieldFrameWidth;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

void ThinFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  if (element != PE_PanelLineEdit && element != PE_FrameLineEdit) {
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    return;
  }
  const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
  const QRect r = option->rect;
  painter->save();
  if (element == PE_PanelLineEdit) painter->fillRect(r, option->palette.brush(QPalette::Base));
  if (frame == nullptr || frame->lineWidth > 0) {
    // Sunken: the light falls from the top left, so the upper and left edges are in shadow. A
    // field with the keyboard focus shows it on its frame.
    const bool focused = (option->state & State_HasFocus) != 0;
    const QColor shadow = option->palette.color(focused ? QPalette::Highlight : QPalette::Dark);
    const QColor light = option->palette.color(focused ? QPalette::Highlight : QPalette::Light);
    painter->setPen(shadow);
    painter->drawLine(r.topLeft(), r.topRight());
    painter->drawLine(r.topLeft(), r.bottomLeft());
    painter->setPen(light);
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->drawLine(r.topRight(), r.bottomRight());
  }
  painter->restore();
}

}  // namespace velmora::ui
