#pragma once

// What the text view's tests share: a layout of fixed-width cells, a text as the view shows it,
// and the clipboard's text.

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <array>
#include <memory>
#include <string>

#include "text_index.h"

namespace velmora::textview::test_helpers {

inline constexpr Width kCell = kWidthPerPixel;

// Every ASCII character one cell wide, every other two; rows wrap after `wrapCells` cells.
inline TextLayout Cells(Width wrapCells) {
  std::array<Width, CharacterWidths::kAsciiCount> ascii{};
  ascii.fill(kCell);
  return {std::make_shared<const CharacterWidths>(ascii, [](char32_t) { return 2 * kCell; }),
          wrapCells * kCell};
}

// A text as the view shows it and copies it: each CR LF one "\n".
inline QString Shown(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

inline QString ClipboardText() {
  return QGuiApplication::clipboard()->text();
}

}  // namespace velmora::textview::test_helpers
