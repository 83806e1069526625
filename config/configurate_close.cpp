// The close procedure of the configuration dialog.
#include "config/configurate_logic.h"
#include "config/configuration_confirmation.h"
#include "config/criterion_setting.h"

namespace vn {

namespace {

constexpr char kInvalidOnCloseText[] = "当前配置错误，继续更改(确定)，还是放弃(取消)？";
constexpr char kConfigErrorCaption[] = "配置错误";
constexpr char kSaveQuestionText[] = "当前配置已经更改，是否保存？";
constexpr char kSaveQuestionCaption[] = "保存当前配置";

}  // namespace

CloseOutcome ConfigurateLogic::Close() {
  MainWindowState& s = tester_.state();
  WriteCriterionSetting(s.appDirectory, s.criterion);  // first, whatever follows

  bool closeNow = false;
  if (!ConfirmClosingWhenInvalid(closeNow)) return closeNow ? CloseOutcome::Closed : CloseOutcome::StaysOpen;

  if (ConfigurateChanged(state_, s.testParameters) &&
      tester_.presenter().ShowMessage(kSaveQuestionText, kSaveQuestionCaption, MessageIcon::Warning,
                                      MessageButtons::OkCancel) == MessageResult::Ok)
    Export();
  ConfirmConfiguration();
  return CloseOutcome::Closed;
}

// True when the edits hold a valid configuration. Otherwise the operator
// chooses: go on editing (closeNow false) or abandon the dialog (closeNow
// true, nothing applied).
bool ConfigurateLogic::ConfirmClosingWhenInvalid(bool& closeNow) {
  bool valid = ExchangeIn();
  if (valid) {
    const auto invalid = ValidateMembers(state_.members);
    if (invalid) Show(*invalid);
    valid = !invalid;
  }
  state_.lastValid = valid;
  if (valid) return true;
  closeNow = tester_.presenter().ShowMessage(kInvalidOnCloseText, kConfigErrorCaption, MessageIcon::Stop,
                                             MessageButtons::OkCancel) == MessageResult::Cancel;
  return false;
}

void ConfigurateLogic::ConfirmConfiguration() {
  MainWindowState& s = tester_.state();
  // Nothing imported or exported here: the file of the record in force stays named.
  if (!state_.filePath.empty()) s.configFilePath = state_.filePath;
  vn::ConfirmConfiguration(tester_, s.criterion);
  tester_.presenter().DisplayChanged(DisplayChange::NodeLists);
}

}  // namespace vn
