// The main-interface dialog "主界面控制": automatic repetition of the test
// with its interval, the difference criterion with its four limits and the
// sheet type. The check boxes and the interval take effect at once; the
// limits and the sheet type when the close box is pressed, which also asks
// the main window for timer 5 and its layout through the signals below.
#pragma once

#include <QDialog>

#include <array>
#include <map>

#include "config/main_interface_settings.h"
#include "engine/tester.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vn {

class CMainInterfaceControl : public QDialog, private MainInterfaceActions {
  Q_OBJECT

 public:
  explicit CMainInterfaceControl(Tester& tester, QWidget* parent = nullptr);

  // The controls by their ids (1165 ... 1182).
  QWidget* control(int id) const;

 signals:
  // Timer 5, the automatic repetition, with this period.
  void refreshTimerStartRequested(int intervalMs);
  void refreshTimerStopRequested();
  // The main window's screen-proportional layout (the difference list
  // follows the difference criterion).
  void screenLayoutRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartRefreshTimer(int intervalMs) override { emit refreshTimerStartRequested(intervalMs); }
  void StopRefreshTimer() override { emit refreshTimerStopRequested(); }
  void ApplyScreenLayout() override { emit screenLayoutRequested(); }

  QWidget* CreateRepetitionGroup();
  QWidget* CreateDifferenceGroup();
  QWidget* CreateSheetGroup();
  void Initialise();
  void EnableRepetitionControls(bool enabled);
  void EnableDifferenceControls(bool enabled);
  MainInterfaceEditTexts EditTexts() const;
  void Register(int id, QWidget* widget);

  Tester& tester_;
  MainInterfaceMembers members_;
  QCheckBox* repetitionBox_ = nullptr;
  QComboBox* intervalList_ = nullptr;
  QLabel* unitLabel_ = nullptr;
  QCheckBox* differenceBox_ = nullptr;
  std::array<QLineEdit*, 4> edits_{};  // in exchange order
  std::array<QLabel*, 4> labels_{};
  QRadioButton* gffRadio_ = nullptr;
  QRadioButton* ogsRadio_ = nullptr;
  std::map<int, QWidget*> controls_;
};

}  // namespace vn
