// "获取一个样本": the handshake with the main window's timer 4.
#include "samples/arrange_sample_logic.h"
#include "samples/sample_capture.h"
#include "samples/sample_messages.h"

namespace vn {

CaptureStart ArrangeSampleLogic::Capture() {
  view_.SetEnabled(ArrangeSampleControl::CaptureButton, false);
  view_.SetEnabled(ArrangeSampleControl::AverageButton, true);
  view_.SetEnabled(ArrangeSampleControl::SelectAllBox, true);
  if (!list_.CaptureAllowed()) {
    Show(SampleDialogMessage(kSampleListFullText));
    list_.RestartAtTop();
    return CaptureStart::Refused;
  }
  capturedSample_.reset();
  RequestCapture(tester_.state());
  return CaptureStart::Requested;
}

void ArrangeSampleLogic::StoreCapturedSample(const RunOutcome& outcome) {
  if (!outcome.judged) return;  // an aborted run holds no values of the film
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
  view_.SetEnabled(ArrangeSampleControl::CaptureButton, true);
  return true;
}

}  // namespace vn
