#include "config/configuration_confirmation.h"

#include "config/configurate_logic.h"

namespace vn {

void ConfirmConfiguration(Tester& tester, int criterion) {
  MainWindowState& s = tester.state();
  s.criterion = criterion;
  tester.presenter().SetEnabled(Control::ArrangeSampleMenuItem, criterion != 0);
  if (criterion == 0) {
    s.criterionReady = 1;
    tester.log().Append(kConfigurationCorrectLine);
  }
  tester.log().Append(CriterionLogLine(criterion));
  if (criterion != 0 && s.criterionReady == 0) tester.log().Append(kNoSampleInUseLine);
  tester.UpdateStartButton();
}

}  // namespace vn
