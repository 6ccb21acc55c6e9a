#pragma once

// The seven texts a design is typed from, by the option names a shell user gives them: the four
// inputs of the antenna and the profile table's range. A text left out keeps the window's default.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "field_set.h"

namespace velmora::cli {

struct InputName {
  std::string_view name;  // the option without its dashes: "main-diameter"
  FieldId field;
};

inline constexpr std::array<InputName, 7> kInputNames = {{
    {"main-diameter", FieldId::Text1},
    {"main-fd", FieldId::Text2},
    {"sub-diameter", FieldId::Text3},
    {"feed-fd", FieldId::Text4},
    {"start", FieldId::Text17},
    {"stop", FieldId::Text18},
    {"step", FieldId::Text19},
}};

// The index of an input's name in kInputNames, or nothing.
std::optional<std::size_t> InputIndex(std::string_view name);

// The texts given for one design, by the index of kInputNames; nothing where the default stays.
using InputTexts = std::array<std::optional<std::string>, kInputNames.size()>;

}  // namespace velmora::cli
