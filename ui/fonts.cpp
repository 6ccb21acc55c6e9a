#include "fonts.h"

#include <QString>

namespace velmora::ui {

void InstallFontSubstitutes() {
  const auto fixed =
      QString::fromUtf8(kFixedGothic.data(), static_cast<qsizetype>(kFixedGothic.size()));
  const auto proportional = QString::fromUtf8(kProportionalGothic.data(),
                                              static_cast<qsizetype>(kProportionalGothic.size()));
  QFont::insertSubstitution(fixed, QString::fromLatin1(kFixedGothicSubstitute));
  QFont::insertSubstitution(proportional, QString::fromLatin1(kProportionalGothicSubstitute));
}

QFont MakeFont(FontId id) {
  const FontSpec& spec = Font(id);
  QFont font(QString::fromUtf8(spec.face.data(), static_cast<qsizetype>(spec.face.size())));
  font.setPointSizeF(spec.pointSize);
  font.setWeight(spec.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setFixedPitch(spec.fixedPitch);
  font.setStyleHint(spec.fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
  return font;
}

}  // namespace velmora::ui
