#pragma once

// A design's figures as text for a reader, as one JSON object, and as a CSV row of a sweep.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design_figures.h"
#include "design_inputs.h"
#include "failing_step.h"

namespace velmora::cli {

// One line a figure: "focal length F: 159.951 mm".
std::string FiguresText(const std::vector<Figure>& figures);
// {"main-diameter": {"text": "370", "value": 370}, ...}
std::string FiguresJson(const std::vector<Figure>& figures);

// The columns of a sweep's rows: every figure's key, then where a refused design stopped.
std::string SweepHeader(bool electrical);
std::string SweepRow(const std::vector<Figure>& figures);
// A design the calculation refused: its inputs as the fields held them, where it stopped (the
// step's number, "table", or "derived" where the sheet's figures are no numbers) and why.
std::string RefusedRow(const std::array<std::string, kInputNames.size()>& inputs, bool electrical,
                       std::string_view stoppedAt, std::string_view reason);
// Where the step stands in a refused row.
std::string StoppedAtText(const FailingStep& step);

// "the calculation stopped at step 4, radiation angle 2Θ': ..." in the session's language.
std::string StoppedMessage(const FailingStep& step);

}  // namespace velmora::cli
