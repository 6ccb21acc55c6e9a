#pragma once

// The frame of a single-line field as the layout was drawn for: a thin sunken line, one pixel at
// any resolution, so that a field 972 twips wide still has room for a ten-character result. The
// look of everything else comes from the application's style.

#include <QProxyStyle>

namespace velmora::ui {

// Pixels between a field's frame and its text: the widget's own margin and the field's.
inline constexpr int kFieldFrameWidth = 1;
inline constexpr int kFieldTextMargin = 1;

class ThinFrameStyle : public QProxyStyle {
 public:
  // Follows the application's style (a null base style).
  ThinFrameStyle();

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace velmora::ui
