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
  const FontEntry& entry = Font(id);
  QFont font(QString::fromUtf8(entry.face.data(), static_cast<qsizetype>(entry.face.size())));
  font.setPointSizeF(entry.pointSize);
  font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setFixedPitch(entry.fixedPitch);
  font.setStyleHint(entry.fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
  return font;
}

}  // namespace velmora::ui
