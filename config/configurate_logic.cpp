// Opening the configuration dialog and the changes made in it.
#include "config/configurate_logic.h"

#include "config/criterion_setting.h"
#include "config/dialog_exchange.h"
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

// A count that is no number of channels is refused with its field and its
// one range named, and the field shows the count in force again.
void ConfigurateLogic::ChannelCountEdited(ChannelAxis axis) {
  const bool x = axis == ChannelAxis::X;
  const std::size_t edit = x ? kXCountEdit : kYCountEdit;
  const std::int64_t most = static_cast<std::int64_t>(x ? kXChannelCount : kYChannelCount);
  const std::optional<std::int64_t> typed = ParseExchangeNumber(view_.EditTexts()[edit], ExchangeKind::Unsigned);
  if (!typed || *typed > most) {
    const OperatorMessage m = ExchangeMessage(std::string(x ? "X有效通道数量" : "Y有效通道数量") + "：" +
                                              OutOfRangeText(0, most));
    tester_.presenter().ShowMessage(m.text, m.caption, m.icon, MessageButtons::Ok);
    view_.ShowEditText(edit, std::to_string(x ? state_.members.xCount : state_.members.yCount));
    view_.FocusEdit(edit);
    return;
  }
  ExchangeIn();
  const std::uint8_t count = x ? state_.members.xCount : state_.members.yCount;
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
