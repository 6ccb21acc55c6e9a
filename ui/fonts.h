#pragma once

// The window's fonts. The layout was drawn for the two legacy Japanese Gothic faces, in which a
// half-width character (a digit, a Latin letter, ".", "-") is half an em wide, so that a ten-digit
// result fills its box. Where those faces are missing they are asked for by name all the same and
// resolve to a substitute of the same kind (fixed or proportional) drawn to the same rule: the Ume
// Gothic faces, or, failing those, any installed Japanese Gothic face narrowed until its digits
// are half an em wide.
//
// A face goes by several names: the font database lists it under the name of the session's
// language ("梅ゴシック" in a Japanese session, "Ume Gothic" otherwise) and finds it under either.
// Every name below is looked up that way, so the choice is the same in every locale.

#include <QFont>
#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

#include "form_layout.h"

namespace velmora::ui {

// Substitutes for one legacy face, the ones drawn to its metrics first.
struct SubstituteFaces {
  std::string_view legacyFace;                    // as the layout asks for it
  std::span<const std::string_view> legacyNames;  // every name the legacy face goes by
  bool fixedPitch;
  std::span<const std::string_view> preferred;  // half-width characters are half an em
  std::span<const std::string_view> fallback;   // other Japanese Gothic faces of the same kind
};
const SubstituteFaces& FixedGothicSubstitutes();
const SubstituteFaces& ProportionalGothicSubstitutes();

// The installed faces as a font database knows them.
class FontCatalogue {
 public:
  FontCatalogue() = default;
  FontCatalogue(const FontCatalogue&) = delete;
  FontCatalogue& operator=(const FontCatalogue&) = delete;
  virtual ~FontCatalogue() = default;
  // The family as the database lists it, for any name the face goes by; empty when none does.
  [[nodiscard]] virtual QString Listed(const QString& name) const = 0;
  // Every half-width character of the listed family has one advance.
  [[nodiscard]] virtual bool IsFixedPitch(const QString& listed) const = 0;
  // The listed families that write Japanese.
  [[nodiscard]] virtual QStringList JapaneseFamilies() const = 0;
};

// The face that stands in for a legacy face: the legacy face itself, else the first installed
// preferred substitute, else the first installed fallback, else the first Japanese family of the
// same pitch, a Gothic one first. A fixed-pitch legacy face never gets a proportional one. Empty
// when none is found.
struct ChosenFace {
  QString family;  // as the database lists it
  bool drawnToTheLegacyMetrics = false;
};
ChosenFace ChooseFace(const SubstituteFaces& faces, const FontCatalogue& catalogue);

// The horizontal stretch, in percent, that gives a digit the advance of half an em, from the
// digit's advance as a fraction of the em (0.629 for IPAPGothic: 79 %). Faces already drawn to
// that rule keep 100; the stretch never narrows below half or widens beyond double.
int HalfWidthStretch(double digitAdvancePerEm);

// Once per process, before the first font is made: chooses the substitutes, and prints the
// fallback notice on standard error when there is one.
void InstallFontSubstitutes();

// A font setting of the layout. `scale` enlarges it with the window when the window is drawn for
// a resolution other than the screen's, so that texts keep their proportion to the boxes.
QFont MakeFont(FontId id, double scale = 1.0);

}  // namespace velmora::ui
