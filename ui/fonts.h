#pragma once

// The window's fonts. The legacy faces are asked for by name; on a machine without them they
// resolve to the IPA Gothic faces, fixed pitch for "ＭＳ ゴシック" and proportional for
// "ＭＳ Ｐゴシック", which have the same metrics class and the same Japanese glyph coverage.

#include <QFont>

#include "form_layout.h"

namespace velmora::ui {

inline constexpr const char* kFixedGothicSubstitute = "IPAGothic";
inline constexpr const char* kProportionalGothicSubstitute = "IPAPGothic";

// Once per process, before the first font is made.
void InstallFontSubstitutes();

QFont MakeFont(FontId id);

}  // namespace velmora::ui
