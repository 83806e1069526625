// Opening the configuration dialog and the changes made in it.
#include "config/configurate_logic.h"

#include "config/criterion_setting.h"
#include "platform/paths.h"

namespace vn {

const char* CriterionLogLine(int criterion) {
  return criterion == 0 ? "判定依据：测试值上下限范围" : "判定依据：样本偏差";
}

ConfigurateLogic::ConfigurateLogic(Tester& tester, ConfigurateView& view, FileChooser& files)
    : tester_(tester), view_(view), files_(files) {}

std::string ConfigurateLogic::InitialFileName() const {
  return JoinPath(JoinPath(tester_.state().appDirectory, "Config"), ".txt");
}

void ConfigurateLogic::Initialise() {
  FillFromMainRecord();
  const int stored = ReadCriterionSetting(tester_.state().appDirectory);
  MainWindowState& s = tester_.state();
  // The basis changes under a confirmation made for the other one: it is
  // confirmed again on closing, as after a radio click.
  if (stored != s.criterion) s.criterionReady = 0;
  state_.members.criterionChoice = stored;
  s.criterion = stored;
  tester_.presenter().SetEnabled(Control::ArrangeSampleMenuItem, stored == 1);
  tester_.UpdateStartButton();
  state_.matrixEdited = false;
  ExchangeOut();
}

void ConfigurateLogic::ChooseCriterion(int choice) {
  MainWindowState& s = tester_.state();
  state_.members.criterionChoice = choice;
  s.criterion = choice;
  s.criterionReady = 0;
  tester_.presenter().SetEnabled(Control::ArrangeSampleMenuItem, choice == 1);
  tester_.UpdateStartButton();
}

void ConfigurateLogic::ListCheckChanged(ChannelAxis axis, ChannelList list, std::size_t item, bool checked) {
  if (item >= ChannelItemCount(axis)) return;
  state_.Axis(axis).List(list)[item] = checked ? 1 : 0;
  if (list != ChannelList::KeyArea) return;
  state_.Keys(axis) = CountKeyChannels(state_.Axis(axis).keyArea, axis);
  UpdateMultiKeyButton();
}

void ConfigurateLogic::ChannelCountEdited(ChannelAxis axis) {
  ExchangeIn();
  const std::uint8_t count = axis == ChannelAxis::X ? state_.members.xCount : state_.members.yCount;
  ApplyChannelCount(state_.Axis(axis), axis, count);
  state_.Keys(axis) = CountKeyChannels(state_.Axis(axis).keyArea, axis);
  state_.keyMatrix = {};
  ExchangeOut();
}

bool ConfigurateLogic::MultiKeyDefinitionAvailable() {
  if (state_.keyX.count <= kKeyMatrixSize && state_.keyY.count <= kKeyMatrixSize) return true;
  tester_.presenter().ShowMessage(kTooManyKeyChannelsText, kKeyErrorCaption, MessageIcon::Stop, MessageButtons::Ok);
  return false;
}

bool ConfigurateLogic::ExchangeIn() {
  const auto failure = ExchangeConfigurateEdits(view_.EditTexts(), state_.members, tester_.presenter());
  if (failure) view_.FocusEdit(failure->field);
  return !failure;
}

void ConfigurateLogic::ExchangeOut() {
  view_.ShowMembers(state_.members);
  view_.ShowChecks(state_);
  UpdateMultiKeyButton();
}

void ConfigurateLogic::FillFromMainRecord() { FillFromRecord(state_, tester_.state().testParameters); }

void ConfigurateLogic::UpdateMultiKeyButton() {
  view_.SetMultiKeyButtonEnabled(MultiKeyDefinitionOffered(state_.keyX, state_.keyY));
}

void ConfigurateLogic::Show(const OperatorMessage& message) {
  tester_.presenter().ShowMessage(message.text, message.caption, message.icon, MessageButtons::Ok);
}

}  // namespace vn
