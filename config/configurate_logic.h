// The rules of the configuration dialog "配置参数": opening, the criterion
// radios, the channel lists and count edits, import, export, the multi-row
// key button and the close procedure with its questions. They work on the
// tester's main-window state and talk to the operator through the tester's
// presenter, the dialog's view and the file chooser.
#pragma once

#include "config/configurate_state.h"
#include "config/configurate_view.h"
#include "config/multi_key_grid.h"
#include "engine/tester.h"
#include "platform/file_chooser.h"

namespace vn {

inline constexpr char kConfigFileFilter[] = "文本文件(*.txt)|*.txt||";
inline constexpr char kConfigurationCorrectLine[] = "配置文件正确";
// More key channels on an axis than the 8 x 8 key matrix has places for.
inline constexpr char kTooManyKeyChannelsText[] = "按键通道超过8个，无法定义多行按键";

enum class CloseOutcome { Closed, StaysOpen };

// "判定依据：测试值上下限范围" for 0, "判定依据：样本偏差" for 1.
const char* CriterionLogLine(int criterion);

class ConfigurateLogic {
 public:
  ConfigurateLogic(Tester& tester, ConfigurateView& view, FileChooser& files);

  // When the dialog opens: fill from the main record, take the criterion
  // from the additional-parameters file and show everything.
  void Initialise();
  // A criterion radio clicked: in force at once, the judgement basis is no
  // longer confirmed.
  void ChooseCriterion(int choice);
  // The operator changed an item's check box.
  void ListCheckChanged(ChannelAxis axis, ChannelList list, std::size_t item, bool checked);
  // The operator changed the text of the X or Y count edit.
  void ChannelCountEdited(ChannelAxis axis);
  // "导入配置"
  void Import();
  // "导出配置"; true when the file was written and the main record took it.
  bool Export();
  // Before "定义多行按键" opens its dialog: false, with the message, when an
  // axis has more key channels than the key matrix has places.
  bool MultiKeyDefinitionAvailable();
  // The window's close command.
  CloseOutcome Close();

  ConfigurateState& state() { return state_; }
  const ConfigurateState& state() const { return state_; }
  // The initial name of the file dialogs: <appDirectory>/Config/.txt
  std::string InitialFileName() const;

 private:
  bool ExchangeIn();
  void ExchangeOut();
  void FillFromMainRecord();
  void UpdateMultiKeyButton();
  bool ConfirmClosingWhenInvalid(bool& closeNow);
  void ConfirmConfiguration();
  void Show(const OperatorMessage& message);

  Tester& tester_;
  ConfigurateView& view_;
  FileChooser& files_;
  ConfigurateState state_;
};

}  // namespace vn
