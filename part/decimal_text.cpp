#include "decimal_text.h"

#include <array>
#include <charconv>

namespace velmora::part {

void AppendDecimal(std::string& out, double value) {
  // The longest fixed form of a finite double has 309 integer digits or 1074 decimals.
  std::array<char, 1100> buffer{};
  // Adding zero turns -0 into +0, which a reader would otherwise show as "-0".
  const double plain = value + 0.0;
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), plain, std::chars_format::fixed);
  out.append(buffer.data(), result.ptr);
}

}  // namespace velmora::part
