#include "japanese_texts.h"

#include <array>
#include <cstring>

namespace velmora::ui {
namespace {

struct JapaneseText {
  const char* context;
  const char* source;
  const char* japanese;
};

constexpr std::array kTexts{
    JapaneseText{"velmora::textview::TextView", "Copy", "コピー"},
    JapaneseText{"velmora::textview::TextView", "Select All", "すべてを選択"},
};

}  // namespace

QString JapaneseTexts::translate(const char* context, const char* sourceText,
                                 const char* /*disambiguation*/, int /*n*/) const {
  for (const JapaneseText& text : kTexts) {
    if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0) {
      return QString::fromUtf8(text.japanese);
    }
  }
  return {};  // not ours: the next translator, or the text as written
}

}  // namespace velmora::ui
