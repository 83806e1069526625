// The timers of the main window and the device changes of the hot-plug
// watcher. Every handler runs on the user-interface thread; none enters the
// core while another handler is inside it (a message box of the core runs a
// nested event loop, in which timers go on firing).
#include "app/CMyUsbHidTestAppDlg.h"

#include <QInputDialog>

#include "app/node_grid_model.h"
#include "app/node_list_view.h"
#include "results/results_recorder.h"

namespace vn::app {

namespace {

class BusyScope {
 public:
  explicit BusyScope(int& busy) : busy_(busy) { ++busy_; }
  ~BusyScope() { --busy_; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  int& busy_;
};

}  // namespace

void CMyUsbHidTestAppDlg::CreateTimers() {
  connect(&connectionTimer_, &QTimer::timeout, this, [this] { OnConnectionTimer(); });
  connect(&discoveryTimer_, &QTimer::timeout, this, [this] { OnDiscoveryTimer(); });
  verdictTimer_.setSingleShot(true);
  connect(&verdictTimer_, &QTimer::timeout, this, [this] { OnVerdictTimer(); });
  connect(&captureTimer_, &QTimer::timeout, this, [this] { OnCaptureTimer(); });
  connect(&refreshTimer_, &QTimer::timeout, this, [this] { OnRefreshTimer(); });
  connect(&hotPlugTimer_, &QTimer::timeout, this, [this] { OnHotPlugPoll(); });
  connect(&forwardedTimer_, &QTimer::timeout, this, [this] { OnForwardedMessages(); });
  settleTimer_.setSingleShot(true);
  connect(&settleTimer_, &QTimer::timeout, this, [this] { ApplyPendingScreenLayout(); });
}

RunOutcome CMyUsbHidTestAppDlg::RunTest(RunPurpose purpose) {
  if (busy_ > 0 || tester_->runInProgress()) return {};
  BusyScope scope(busy_);
  FilmDetails details;
  if (askSerial_ && purpose == RunPurpose::Film) {
    const std::optional<std::string> serial = AskSerial();
    if (!serial) return {};  // the operator cancelled: no film is tested
    details.serial = *serial;
  }
  verdictTimer_.stop();
  valueList_->clearSelection();  // a row picked during the last film is no mark on this one
  differenceList_->clearSelection();
  const RunOutcome outcome = tester_->RunTest(purpose);
  if (recorder_) recorder_->Record(*tester_, outcome, details);
  if (outcome.startVerdictTimer) verdictTimer_.start(kVerdictResetMs);
  valueModel_->NotifyColoursChanged();  // the self test may have blamed channels after the values were written
  BringFailingNodesIntoView();
  return outcome;
}

void CMyUsbHidTestAppDlg::ApplyTimerRequest(TimerRequest request) {
  switch (request) {
    case TimerRequest::None: break;
    case TimerRequest::StopDiscoveryStartConnection:
      discoveryTimer_.stop();
      connectionTimer_.start(kTimerPeriodMs);
      break;
    case TimerRequest::StopDiscovery: discoveryTimer_.stop(); break;
    case TimerRequest::StopConnection: connectionTimer_.stop(); break;
    case TimerRequest::StartDiscovery:
      if (!discoveryTimer_.isActive()) discoveryTimer_.start(kTimerPeriodMs);
      break;
  }
}

void CMyUsbHidTestAppDlg::OnConnectionTimer() {
  if (busy_ > 0) return;
  BusyScope scope(busy_);
  ApplyTimerRequest(tester_->ConnectionTick());
}

void CMyUsbHidTestAppDlg::OnDiscoveryTimer() {
  if (busy_ > 0) return;
  BusyScope scope(busy_);
  ApplyTimerRequest(tester_->DiscoveryTick());
}

void CMyUsbHidTestAppDlg::OnVerdictTimer() {
  if (busy_ > 0) return;
  tester_->ResetVerdictAfterRun();
}

void CMyUsbHidTestAppDlg::OnCaptureTimer() {
  if (busy_ > 0 || tester_->state().captureRequested != 1) return;
  captureTimer_.stop();
  const RunOutcome outcome = RunTest(RunPurpose::SampleCapture);
  StoreCapturedSample(outcome);
  tester_->state().captureRequested = 0;
}

void CMyUsbHidTestAppDlg::OnRefreshTimer() {
  const MainWindowState& s = tester_->state();
  if (s.criterionReady == 1 && tester_->connection().linkOk == 1) RunTest();
}

void CMyUsbHidTestAppDlg::OnHotPlugPoll() {
  if (busy_ > 0) return;  // changes are noticed on the next poll
  BusyScope scope(busy_);
  for (const DeviceChange& change : watcher_.Poll()) ApplyTimerRequest(tester_->HandleDeviceChange(change));
}

void CMyUsbHidTestAppDlg::OnForwardedMessages() {
  if (busy_ > 0) return;
  tester_->ProcessForwardedMessages();
}

void CMyUsbHidTestAppDlg::StartRefreshTimer(int intervalMs) {
  if (intervalMs <= 0) {
    refreshTimer_.stop();
    return;
  }
  refreshTimer_.start(intervalMs);
}

void CMyUsbHidTestAppDlg::StopRefreshTimer() { refreshTimer_.stop(); }

void CMyUsbHidTestAppDlg::StartSampleCaptureTimer() { captureTimer_.start(kTimerPeriodMs); }

bool CMyUsbHidTestAppDlg::timerActive(int number) const {
  switch (number) {
    case 1: return connectionTimer_.isActive();
    case 2: return discoveryTimer_.isActive();
    case 3: return verdictTimer_.isActive();
    case 4: return captureTimer_.isActive();
    case 5: return refreshTimer_.isActive();
    default: return false;
  }
}

std::optional<std::string> CMyUsbHidTestAppDlg::AskSerial() {
  bool ok = false;
  const QString serial = QInputDialog::getText(this, windowTitle(), QStringLiteral("请扫描或输入产品序列号："),
                                               QLineEdit::Normal, QString(), &ok);
  if (!ok) return std::nullopt;
  return serial.trimmed().toStdString();
}

}  // namespace vn::app
