#pragma once

// Counting the characters of a UTF-8 text the way the window's text boxes count them, for the
// 10-character limit of the short result fields and the 7-character cells of the profile table.

#include <cstddef>
#include <string_view>

namespace velmora {

// Character count and cut, as the window counts: one unit per UTF-16 code unit, so a character
// outside the Basic Multilingual Plane counts two, and a cut never leaves half of a character.
// A byte that is not valid UTF-8 counts as one character.
std::size_t CharacterCount(std::string_view text);
std::string_view FirstCharacters(std::string_view text, std::size_t limit);

}  // namespace velmora
