#pragma once

// Twips to pixels: 1440 twips to the inch, so 15 twips a pixel at 96 dpi and 12 at 120 dpi. Every
// position and size of the window goes through this one function, so the window keeps its
// proportions on any screen.

#include <QPoint>
#include <QRect>
#include <cmath>

#include "form_layout.h"

namespace velmora::ui {

inline constexpr double kTwipsPerInch = 1440.0;

inline int TwipsToPixels(int twips, double dotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / kTwipsPerInch));
}

inline QRect ToPixels(const TwipsBox& box, double dotsPerInch) {
  return {TwipsToPixels(box.left, dotsPerInch), TwipsToPixels(box.top, dotsPerInch),
          TwipsToPixels(box.width, dotsPerInch), TwipsToPixels(box.height, dotsPerInch)};
}

inline QPoint ToPixels(int x, int y, double dotsPerInch) {
  return {TwipsToPixels(x, dotsPerInch), TwipsToPixels(y, dotsPerInch)};
}

}  // namespace velmora::ui
