#include "whole_character_validator.h"

namespace velmora::ui {

QValidator::State WholeCharacterValidator::validate(QString& input, int& position) const {
  for (qsizetype k = 0; k < input.size();) {
    const bool pairStarts =
        input[k].isHighSurrogate() && k + 1 < input.size() && input[k + 1].isLowSurrogate();
    if (pairStarts) {
      k += 2;
    } else if (input[k].isSurrogate()) {
      input.remove(k, 1);
      if (position > k) --position;
    } else {
      ++k;
    }
  }
  return Acceptable;
}

}  // namespace velmora::ui
