#pragma once

// The layout tables hold their texts as UTF-8; Qt holds UTF-16.

#include <QString>
#include <string_view>

namespace velmora::ui {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velmora::ui
