#include "indexed_text.h"

#include <new>
#include <utility>

namespace velmora::textview {

IndexedText::IndexedText(SharedText text, TextLayout layout)
    : text_(std::move(text)),
      index_(text_ != nullptr ? TextIndex(*text_, std::move(layout)) : TextIndex()) {}

std::optional<IndexedText> TryIndex(SharedText text, const TextLayout& layout) noexcept {
  try {
    return IndexedText(std::move(text), layout);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace velmora::textview
