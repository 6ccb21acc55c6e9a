#pragma once

// A text as a view shows it: a shared string that nobody changes, and its index, made together and
// kept together. The index reads the string in place, and the string lives as long as either its
// owner (the field set) or the view holds it, so the view never reads a string that is gone or
// changed, whenever it paints.

#include <memory>
#include <optional>
#include <string>

#include "text_index.h"

namespace velmora::textview {

using SharedText = std::shared_ptr<const std::string>;

class IndexedText {
 public:
  // The empty text. Allocates nothing.
  IndexedText() noexcept = default;
  // Indexes *text for `layout`; a null text is the empty text. Throws std::bad_alloc when memory
  // for the index cannot be had (TextIndex).
  IndexedText(SharedText text, TextLayout layout);

  [[nodiscard]] const SharedText& Shared() const { return text_; }
  [[nodiscard]] const TextIndex& Index() const { return index_; }

 private:
  SharedText text_;
  TextIndex index_;  // over *text_, which stays where it is however often this is moved
};

// The text indexed for `layout`, or nothing when memory for the index cannot be had.
std::optional<IndexedText> TryIndex(SharedText text, const TextLayout& layout) noexcept;

}  // namespace velmora::textview
