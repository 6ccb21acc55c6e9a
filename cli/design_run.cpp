#include "design_run.h"

namespace velmora::cli {

void RunDesign(const InputTexts& texts, DesignRun& run) {
  Calculator& calculator = run.calculator;
  FieldSet& fields = calculator.Fields();
  fields.SetObserver({});
  calculator.Form_Load();
  for (std::size_t k = 0; k < texts.size(); ++k) {
    if (texts[k]) fields.StoreUserText(kInputNames[k].field, *texts[k]);
  }
  const auto stop = InputIndex("stop");
  const auto sub = InputIndex("sub-diameter");
  if (texts[*sub] && !texts[*stop]) calculator.Text3_LostFocus();

  std::optional<FieldId> lastWritten;
  fields.SetObserver([&lastWritten](FieldId field, const std::string&) { lastWritten = field; });
  calculator.Command1_Click();
  fields.SetObserver({});
  run.stopped.reset();
  if (!calculator.LastPressCompleted()) run.stopped = StepAfter(lastWritten);
}

}  // namespace velmora::cli
