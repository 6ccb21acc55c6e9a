#pragma once

// Three numbers about a text shown in rows, each a type of its own so that one cannot be passed
// where another is meant: a byte position in the text, a line (the text between two line ends)
// and a row on screen (a whole line, or a part of a wrapped one). Each is made from a count only
// by name, and gives its count back only by name; all three count from 0.

#include <compare>
#include <cstddef>

namespace velmora::textview {

// A byte offset into the text that starts a character, or the text's end.
class Position {
 public:
  constexpr Position() = default;
  explicit constexpr Position(std::size_t byte) : byte_(byte) {}
  [[nodiscard]] constexpr std::size_t Byte() const { return byte_; }
  // clang-tidy 14 takes the defaulted comparison's own 0 for a null pointer.
  friend constexpr auto operator<=>(const Position&,
                                    const Position&) = default;  // NOLINT(modernize-use-nullptr)

 private:
  std::size_t byte_ = 0;
};

// A line of the text, between two line ends.
class Line {
 public:
  constexpr Line() = default;
  explicit constexpr Line(std::size_t number) : number_(number) {}
  [[nodiscard]] constexpr std::size_t Number() const { return number_; }
  friend constexpr auto operator<=>(const Line&, const Line&) = default;

 private:
  std::size_t number_ = 0;
};

// A row on screen after wrapping.
class Row {
 public:
  constexpr Row() = default;
  explicit constexpr Row(std::size_t number) : number_(number) {}
  [[nodiscard]] constexpr std::size_t Number() const { return number_; }
  friend constexpr auto operator<=>(const Row&, const Row&) = default;

 private:
  std::size_t number_ = 0;
};

}  // namespace velmora::textview
