// The sample dialog "整理样本", modeless and created once: the sample list,
// capture, average, clear, import, export, "使用选中样本", select all and the
// deviation rule. A capture is run by the main window's timer 4: the dialog
// asks for it with captureTimerRequested(), the main window runs the test
// and hands the outcome to StoreCapturedSample(), and the dialog's own timer
// 11 lists the new sample once the request flag is down.
#pragma once

#include <QDialog>
#include <QTimer>

#include <array>
#include <map>

#include "engine/tester.h"
#include "platform/file_chooser.h"
#include "samples/arrange_sample_logic.h"
#include "samples/arrange_sample_view.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QTableWidget;

namespace vn {

class CArrangeSample : public QDialog, private ArrangeSampleView {
  Q_OBJECT

 public:
  static constexpr int kTimerPeriodMs = 100;  // timers 10 and 11

  CArrangeSample(Tester& tester, FileChooser& files, QWidget* parent = nullptr);

  // Timer 4 of the main window, after its capture run and before it lowers
  // the request flag.
  void StoreCapturedSample(const RunOutcome& outcome);
  // Every menu command: centred over the window and shown.
  void ShowCentredOver(QWidget* window);

  QWidget* control(int id) const;
  QTableWidget* sampleList() const { return list_; }
  const ArrangeSampleLogic& logic() const { return logic_; }
  // Timer 10 runs while the dialog is shown: the capture button is enabled
  // while the board is ready and no capture is pending.
  bool linkTimerActive() const { return linkTimer_.isActive(); }       // timer 10
  bool captureTimerActive() const { return captureTimer_.isActive(); }  // timer 11

 signals:
  // Start timer 4 of the main window (100 ms): the capture request is up.
  void captureTimerRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // ArrangeSampleView
  void InsertRow(std::size_t row, const SampleRowTexts& texts) override;
  void RemoveAllRows() override;
  std::size_t RowCount() const override;
  bool RowTicked(std::size_t row) const override;
  void SetRowTicked(std::size_t row, bool ticked) override;
  DeviationEditTexts DeviationTexts() const override;
  int DeviationMethodChoice() const override;
  void ShowDeviation(const DeviationSettings& settings) override;
  void FocusDeviationEdit(std::size_t edit) override;
  void SetEnabled(ArrangeSampleControl control, bool enabled) override;
  void ShowSelectAll(bool ticked, const std::string& caption) override;

  void CreateList();
  QWidget* CreateButtons();
  QWidget* CreateDeviationGroup();
  void Capture();
  void OnCaptureTimer();
  void Register(int id, QWidget* widget);

  ArrangeSampleLogic logic_;
  QTableWidget* list_ = nullptr;
  QCheckBox* selectAll_ = nullptr;
  QRadioButton* absoluteRadio_ = nullptr;
  QRadioButton* percentageRadio_ = nullptr;
  std::array<QLineEdit*, 4> deviationEdits_{};
  std::map<int, QWidget*> controls_;
  QTimer linkTimer_;     // 10
  QTimer captureTimer_;  // 11
};

}  // namespace vn
