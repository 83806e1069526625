#include "engine/tester.h"

#include "config/additional_parameters_defaults.h"
#include "engine/self_test.h"
#include "link/board_identity.h"
#include "platform/paths.h"

namespace vn {

Tester::Tester(HidBackend& backend, Presenter& presenter, TesterOptions options)
    : backend_(backend),
      presenter_(presenter),
      link_(backend, log_, options.linkTiming),
      controller_(link_, log_, options.controllerTiming) {
  state_.appDirectory = options.appDirectory.empty() ? CurrentDirectory() : options.appDirectory;
  state_.sampleWorkDirectory =
      options.sampleWorkDirectory.empty() ? DefaultSampleWorkDirectory() : options.sampleWorkDirectory;
  // Forwarded messages go to the user-interface thread; the reader never waits.
  link_.SetMessageHandler([this](const BridgeReport& report) { forwarded_.Push(report); });
}

void Tester::Initialise() {
  EnsureDirectory(JoinPath(state_.appDirectory, "Config"));
  // A new station gets a working additional-parameters file (sample list capacity among it).
  CreateAdditionalParametersIfMissing(state_.appDirectory);
  EnsureDirectory(JoinPath(state_.appDirectory, "Sample"));
  EnsureDirectory(state_.sampleWorkDirectory);
  state_.counters = {};
  state_.criterion = 0;
  presenter_.SetEnabled(Control::ArrangeSampleMenuItem, false);
}

void Tester::OnFirstShow() {
  if (shown_) return;  // the start-up actions run once, however often the window is shown
  shown_ = true;
  presenter_.SetEnabled(Control::StartButton, false);
  presenter_.SetEnabled(Control::BurnMenuItem, true);
}

// --- connection ----------------------------------------------------------------------

TimerRequest Tester::DiscoveryTick() {
  if (!link_.deviceFound() && !link_.FindTestBoard()) return TimerRequest::None;
  return connection_.controllerReady == 1 ? TimerRequest::StopDiscovery : TimerRequest::StopDiscoveryStartConnection;
}

TimerRequest Tester::ConnectionTick() {
  switch (ConnectionSequence(controller_, connection_, state_.sheetType)) {
    case ConnectionOutcome::Ready:
      if (state_.criterionReady == 1) presenter_.SetEnabled(Control::StartButton, true);
      return TimerRequest::StopConnection;
    case ConnectionOutcome::LinkFailed:
      // The operator is asked to re-plug; discovery resumes with the board's arrival.
      return TimerRequest::StopConnection;
    case ConnectionOutcome::Interrupted:
      return TimerRequest::None;
  }
  return TimerRequest::None;
}

TimerRequest Tester::HandleDeviceChange(const DeviceChange& change) {
  if (!PathsEqualIgnoringCase(change.path, link_.devicePath())) return TimerRequest::None;
  if (change.kind == DeviceChange::Kind::Arrival) {
    log_.Append("测试板已连接");
    return link_.deviceFound() ? TimerRequest::None : TimerRequest::StartDiscovery;
  }
  log_.Append("测试板已断开");
  connection_.controllerReady = 0;
  presenter_.SetEnabled(Control::StartButton, false);
  presenter_.SetEnabled(Control::BurnMenuItem, false);
  if (link_.deviceFound()) link_.CloseBoardHandles();
  connection_.linkOk = 0;
  return TimerRequest::StopConnection;
}

void Tester::ProcessForwardedMessages() {
  for (const BridgeReport& report : forwarded_.TakeAll()) {
    const std::uint8_t position = controller_.table().ObjectIndexForReportId(report[3]);
    if (position == 0 || controller_.table().Entry(position).type != object_type::kSelfTest) continue;
    DecodeSelfTestMessage(report, state_.run, log_);
  }
}

// --- readiness ------------------------------------------------------------------------

void Tester::UpdateStartButton() { presenter_.SetEnabled(Control::StartButton, StartAllowed()); }

void Tester::ConfirmCriterion(int criterion) {
  state_.criterion = criterion;
  state_.criterionReady = 1;
  presenter_.SetEnabled(Control::ArrangeSampleMenuItem, criterion != 0);
  UpdateStartButton();
}

}  // namespace vn
