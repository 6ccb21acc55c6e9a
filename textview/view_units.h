#pragma once

// The text view's pixels and the text index's widths (1/64 pixel), and the blank space around the
// text. For the view's own files.

#include <cmath>

#include "text_index.h"

namespace velmora::textview {

// Blank space around the text, as a text box's document margin.
inline constexpr int kMargin = 4;

inline double ToPixels(Width width) {
  return static_cast<double>(width) / static_cast<double>(kWidthPerPixel);
}

inline Width ToWidth(double pixels) {
  return std::llround(pixels * static_cast<double>(kWidthPerPixel));
}

}  // namespace velmora::textview
