#include "samples/sample_capture.h"

namespace vn {

CaptureStepResult RunCaptureStep(Tester& tester, const SampleClock& now) {
  CaptureStepResult result;
  MainWindowState& state = tester.state();
  if (state.captureRequested != 1) return result;
  result.ran = true;
  result.outcome = tester.RunTest(RunPurpose::SampleCapture);
  if (result.outcome.judged) result.sample = WriteCapturedSample(state, now());
  state.captureRequested = 0;
  return result;
}

}  // namespace vn
