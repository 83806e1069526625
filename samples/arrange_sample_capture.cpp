// "获取一个样本": the handshake with the main window's timer 4. The capture
// button is enabled exactly while the board is ready and no capture is
// pending, whatever the last capture or refusal did.
#include "samples/arrange_sample_logic.h"
#include "samples/sample_capture.h"
#include "samples/sample_messages.h"
#include "samples/sample_paths.h"

namespace vn {

void ArrangeSampleLogic::UpdateCaptureButton() {
  view_.SetEnabled(ArrangeSampleControl::CaptureButton, tester_.connection().linkOk == 1 && !capturePending_);
}

CaptureStart ArrangeSampleLogic::Capture() {
  view_.SetEnabled(ArrangeSampleControl::AverageButton, true);
  view_.SetEnabled(ArrangeSampleControl::SelectAllBox, true);
  if (list_.CaptureCapacity() == 0) {
    Show(SampleCapacityZeroMessage(SampleSettingsPath(tester_.state().appDirectory)));
    return CaptureStart::Refused;
  }
  if (!list_.CaptureAllowed()) {
    Show(SampleDialogMessage(kSampleListFullText));
    list_.RestartAtTop();
    return CaptureStart::Refused;
  }
  capturedSample_.reset();
  capturePending_ = true;
  UpdateCaptureButton();
  RequestCapture(tester_.state());
  return CaptureStart::Requested;
}

void ArrangeSampleLogic::StoreCapturedSample(const RunOutcome& outcome) {
  if (!outcome.judged) {  // an aborted run holds no values of the film
    Show(SampleDialogMessage(kCaptureAbortedText));
    return;
  }
  const SampleWriteResult written = WriteCapturedSample(tester_.state());
  if (!written.ok()) {
    Show(written.message);
    return;
  }
  capturedSample_ = written.record;
}

bool ArrangeSampleLogic::CaptureFinished() {
  if (CapturePending(tester_.state())) return false;
  if (capturedSample_) AddRow(*capturedSample_);
  capturedSample_.reset();
  capturePending_ = false;
  UpdateCaptureButton();
  return true;
}

}  // namespace vn
