#include "shortest_text.h"

#include <array>
#include <charconv>

namespace velmora::cli {
namespace {

template <typename Number>
std::string Shortest(Number value) {
  std::array<char, 32> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return {digits.data(), result.ptr};
}

}  // namespace

std::string ShortestText(double value) {
  return Shortest(value);
}

std::string CountText(std::uint64_t count) {
  return Shortest(count);
}

}  // namespace velmora::cli
