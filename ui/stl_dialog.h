#pragma once

// The two choices of a sub-reflector's solid, asked before it is saved.

#include <optional>

#include "part_files.h"

class QWidget;

namespace velmora::ui {

// Nothing when the user cancels.
std::optional<StlParameters> AskStlParameters(QWidget* parent);

}  // namespace velmora::ui
