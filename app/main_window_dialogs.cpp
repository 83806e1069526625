// The menu commands that open the settings, sample and burn dialogs.
#include "app/CMyUsbHidTestAppDlg.h"
#include "burn/CFlashMemory.h"
#include "config/CConfigurate.h"
#include "config/CFileDialogChooser.h"
#include "config/CMainInterfaceControl.h"
#include "samples/CArrangeSample.h"

namespace vn::app {

FileChooser& CMyUsbHidTestAppDlg::fileChooser() { return *fileChooser_; }

void CMyUsbHidTestAppDlg::OnBurnFile() {
  CFlashMemory dialog(tester(), fileChooser(), this);
  dialog.exec();
}

void CMyUsbHidTestAppDlg::OnTestConfiguration() {
  CConfigurate dialog(tester(), fileChooser(), this);
  dialog.exec();
}

void CMyUsbHidTestAppDlg::OnArrangeSample() {
  if (sampleDialog_ == nullptr) {
    sampleDialog_ = new CArrangeSample(tester(), fileChooser(), this);
    connect(sampleDialog_, &CArrangeSample::captureTimerRequested, this, [this] { StartSampleCaptureTimer(); });
  }
  sampleDialog_->ShowCentredOver(this);
}

void CMyUsbHidTestAppDlg::OpenMainInterfaceControl() {
  CMainInterfaceControl dialog(tester(), this);
  connect(&dialog, &CMainInterfaceControl::refreshTimerStartRequested, this,
          [this](int intervalMs) { StartRefreshTimer(intervalMs); });
  connect(&dialog, &CMainInterfaceControl::refreshTimerStopRequested, this, [this] { StopRefreshTimer(); });
  connect(&dialog, &CMainInterfaceControl::screenLayoutRequested, this, [this] { ApplyScreenLayout(); });
  dialog.exec();
}

void CMyUsbHidTestAppDlg::StoreCapturedSample(const RunOutcome& outcome) {
  if (sampleDialog_ != nullptr) sampleDialog_->StoreCapturedSample(outcome);
}

}  // namespace vn::app
