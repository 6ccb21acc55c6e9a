#pragma once

// A field with a length limit refuses what goes beyond it, and Qt counts that limit in UTF-16
// units: a character outside the Basic Multilingual Plane (an emoji) typed or pasted across the
// limit would keep only its first half. This drops such a half, as the field set does.

#include <QValidator>

namespace velmora::ui {

class WholeCharacterValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

}  // namespace velmora::ui
