// The tester's core object: the main window's state and the operations its
// timers, buttons and device notifications call. The Qt main window, the CLI
// and the tests each own one and drive it the same way.
//
// Thread rule: every member is called on the user-interface thread. The link's
// reader and writer threads reach only the log and the forwarded-message queue.
#pragma once

#include <string>

#include "controller/connection_sequence.h"
#include "controller/controller.h"
#include "engine/main_window_state.h"
#include "link/board_link.h"
#include "link/hotplug_watcher.h"
#include "link/report_queue.h"
#include "platform/operator_log.h"
#include "platform/presenter.h"

namespace vn {

struct TesterOptions {
  std::string appDirectory;         // empty: the current directory
  std::string sampleWorkDirectory;  // empty: the platform's default
  LinkTiming linkTiming;
  ControllerTiming controllerTiming;
};

// What a timer tick asks of the timers.
enum class TimerRequest { None, StopDiscoveryStartConnection, StopDiscovery, StopConnection, StartDiscovery };

struct RunOutcome {
  bool judged = false;             // false: the run was aborted and the film not counted
  bool passed = false;
  bool sampleCapture = false;      // a golden-sample capture: acquired, never judged nor counted
  bool startVerdictTimer = false;  // start timer 3 (verdict back to "WAIT")
  double elapsedSeconds = 0;
};

class Tester {
 public:
  Tester(HidBackend& backend, Presenter& presenter, TesterOptions options = {});
  Tester(const Tester&) = delete;
  Tester& operator=(const Tester&) = delete;

  // The main window's initialisation and first show (the core part).
  void Initialise();
  void OnFirstShow();

  // Timer 2: one discovery pass while no board is open.
  TimerRequest DiscoveryTick();
  // Timer 1: the connection sequence.
  TimerRequest ConnectionTick();
  // An arrival or removal reported by the hot-plug watcher.
  TimerRequest HandleDeviceChange(const DeviceChange& change);

  // Start, Space, timer 5: one film from "WAIT" to "PASS" or "NG". Timer 4
  // runs a capture: the verdict box then says that a sample was taken, with
  // the self test's finding, and the counters stay as they are.
  RunOutcome RunTest(RunPurpose purpose = RunPurpose::Film);
  // Timer 3: a passed film's verdict goes back to "WAIT".
  void ResetVerdictAfterRun();
  // Button "统计清零".
  void ClearStatistics();
  // Self-test messages the board pushed, decoded here on the user-interface thread.
  void ProcessForwardedMessages();

  // Start is enabled while a judgement basis is confirmed and the link is up.
  bool StartAllowed() const { return state_.criterionReady == 1 && connection_.linkOk == 1; }
  void UpdateStartButton();
  // A configuration or sample confirmed by a dialog (or a front end's option).
  void ConfirmCriterion(int criterion);

  MainWindowState& state() { return state_; }
  const MainWindowState& state() const { return state_; }
  ConnectionState& connection() { return connection_; }
  const ConnectionState& connection() const { return connection_; }
  OperatorLog& log() { return log_; }
  const OperatorLog& log() const { return log_; }
  BoardLink& link() { return link_; }
  Controller& controller() { return controller_; }
  const Controller& controller() const { return controller_; }
  Presenter& presenter() { return presenter_; }
  HidBackend& backend() { return backend_; }
  bool runInProgress() const { return running_; }

 private:
  void ResetResultDisplay();
  void ShowVerdict(double elapsedSeconds);
  void LogRangeLines();
  void ExplainVerdict();
  bool AcquireAndJudge();
  void AbortRun(const char* line);
  const char* AbortLine() const;

  HidBackend& backend_;
  Presenter& presenter_;
  OperatorLog log_;
  BoardLink link_;
  Controller controller_;
  ConnectionState connection_;
  MainWindowState state_;
  ReportQueue forwarded_;
  bool shown_ = false;
  bool running_ = false;
};

}  // namespace vn
