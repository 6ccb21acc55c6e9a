#include "fonts.h"

#include <QString>

#include "qt_text.h"

namespace velmora::ui {

void InstallFontSubstitutes() {
  QFont::insertSubstitution(ToQString(kFixedGothic), QString::fromLatin1(kFixedGothicSubstitute));
  QFont::insertSubstitution(ToQString(kProportionalGothic),
                            QString::fromLatin1(kProportionalGothicSubstitute));
}

QFont MakeFont(FontId id) {
  const FontEntry& entry = Font(id);
  QFont font(ToQString(entry.face));
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
