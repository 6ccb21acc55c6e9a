#pragma once

// The window's Japanese for the texts that its components write in English (the text view's
// context menu), given through Qt's translation machinery as Qt's own Japanese is for a field's.

#include <QTranslator>

namespace velmora::ui {

class JapaneseTexts final : public QTranslator {
 public:
  using QTranslator::QTranslator;
  [[nodiscard]] bool isEmpty() const override { return false; }
  [[nodiscard]] QString translate(const char* context, const char* sourceText,
                                  const char* disambiguation, int n) const override;
};

}  // namespace velmora::ui
