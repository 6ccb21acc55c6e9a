#pragma once

// The choices a part's file takes, asked before it is saved: a reflector's solid (its thickness
// and its facets per turn) and the step of the main reflector's profile.

#include <QString>
#include <optional>

#include "part_files.h"

class QWidget;

namespace velmora::ui {

// Nothing when the user cancels. The sub-reflector's solid, 3 mm thick by default.
std::optional<StlParameters> AskStlParameters(QWidget* parent);
// The main reflector's shell, 2 mm behind its surface by default.
std::optional<StlParameters> AskShellParameters(QWidget* parent);
// The main reflector's profile step in mm, 5 by default; the last row is at the rim whatever it is.
std::optional<double> AskProfileStep(QWidget* parent);

}  // namespace velmora::ui
