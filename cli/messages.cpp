#include "messages.h"

#include <QLocale>

namespace velmora::cli {

bool JapaneseSession() {
  static const bool japanese = QLocale::system().language() == QLocale::Japanese;
  return japanese;
}

QString Say(const Phrase& phrase) {
  return QString::fromUtf8(JapaneseSession() ? phrase.japanese : phrase.english);
}

}  // namespace velmora::cli
