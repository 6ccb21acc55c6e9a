#pragma once

// The window's fonts. The layout was drawn for the two legacy Japanese Gothic faces, in which a
// half-width character (a digit, a Latin letter, ".", "-") is half an em wide, so that a ten-digit
// result fills its box. Where those faces are missing they are asked for by name all the same and
// resolve to a substitute of the same kind (fixed or proportional) drawn to the same rule: the Ume
// Gothic faces, or, failing those, any installed Japanese Gothic face narrowed until its digits
// are half an em wide.

#include <QFont>
#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

#include "form_layout.h"

namespace velmora::ui {

// Substitutes for one legacy face, the ones drawn to its metrics first.
struct SubstituteFaces {
  std::string_view legacyFace;
  std::span<const std::string_view> preferred;  // half-width characters are half an em
  std::span<const std::string_view> fallback;   // other Japanese Gothic faces of the same kind
};
const SubstituteFaces& FixedGothicSubstitutes();
const SubstituteFaces& ProportionalGothicSubstitutes();

// The face that stands in for a legacy face among the installed families: the legacy face itself,
// else the first installed preferred substitute, else the first installed fallback, else the first
// installed family of `japaneseFamilies` (any face that writes Japanese). Empty when none is found.
struct ChosenFace {
  QString family;
  bool drawnToTheLegacyMetrics = false;
};
ChosenFace ChooseFace(const SubstituteFaces& faces, const QStringList& installed,
                      const QStringList& japaneseFamilies);

// The horizontal stretch, in percent, that gives a digit the advance of half an em, from the
// digit's advance as a fraction of the em (0.629 for IPAPGothic: 79 %). Faces already drawn to
// that rule keep 100; the stretch never narrows below half or widens beyond double.
int HalfWidthStretch(double digitAdvancePerEm);

// Once per process, before the first font is made: chooses the substitutes, and prints one line
// on standard error naming the package of the right faces when a fallback had to be taken.
void InstallFontSubstitutes();

// The face a legacy face resolves to, and its stretch (after InstallFontSubstitutes).
QString SubstituteFamily(std::string_view legacyFace);

// A font setting of the layout. `scale` enlarges it with the window when the window is drawn for
// a resolution other than the screen's, so that texts keep their proportion to the boxes.
QFont MakeFont(FontId id, double scale = 1.0);

}  // namespace velmora::ui
