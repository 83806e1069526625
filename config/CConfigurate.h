// The configuration dialog "配置参数": channel counts, value limits, the six
// channel lists, the judgement basis, import and export of the
// configuration text file and "定义多行按键". It has no OK or Cancel button:
// the close box runs the close procedure; Escape ends it without it.
#pragma once

#include <QDialog>

#include <array>
#include <map>

#include "config/configurate_logic.h"
#include "config/configurate_view.h"
#include "engine/tester.h"
#include "platform/file_chooser.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vn {

class CChannelCheckList;

class CConfigurate : public QDialog, private ConfigurateView {
  Q_OBJECT

 public:
  CConfigurate(Tester& tester, FileChooser& files, QWidget* parent = nullptr);
  ~CConfigurate() override;

  // The controls by their ids (1026 X count ... 1059 "定义多行按键").
  QWidget* control(int id) const;
  CChannelCheckList* list(ChannelAxis axis, ChannelList which) const;
  ConfigurateLogic& logic() { return logic_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ConfigurateView
  ConfigurateEditTexts EditTexts() const override;
  void ShowMembers(const ConfigurateMembers& members) override;
  void ShowChecks(const ConfigurateState& state) override;
  void SetMultiKeyButtonEnabled(bool enabled) override;
  void FocusEdit(std::size_t edit) override;
  void ShowEditText(std::size_t edit, const std::string& text) override;
  void CountEditingFinished(ChannelAxis axis);

  void CreateControls();
  QWidget* CreateBasicGroup();
  QWidget* CreateCriterionGroup();
  QWidget* CreateButtons();
  QWidget* CreateListGroup(int groupId, int listId, const char* caption, ChannelAxis axis, ChannelList which);
  void DefineMultiKeys();
  void Register(int id, QWidget* widget);

  Tester& tester_;
  ConfigurateLogic logic_;
  std::array<QLineEdit*, kConfigurateEditCount> edits_{};
  QRadioButton* valueRangeRadio_ = nullptr;
  QRadioButton* deviationRadio_ = nullptr;
  QPushButton* multiKeyButton_ = nullptr;
  std::map<std::pair<ChannelAxis, ChannelList>, CChannelCheckList*> lists_;
  std::map<int, QWidget*> controls_;
};

}  // namespace vn
