// Capturing the film on the fixture as a sample. The sample dialog raises
// the main window's capture request flag; the next tick of the main window's
// timer 4 runs one test and writes the measured values as a new sample file,
// then lowers the flag, which the dialog waits for.
#pragma once

#include <functional>
#include <optional>

#include "engine/main_window_state.h"
#include "engine/tester.h"
#include "samples/sample_file_writer.h"

namespace vn {

// The dialog's capture command.
inline void RequestCapture(MainWindowState& state) { state.captureRequested = 1; }
inline bool CapturePending(const MainWindowState& state) { return state.captureRequested != 0; }

struct CaptureStepResult {
  bool ran = false;                         // a capture was requested and a test was run
  RunOutcome outcome;                       // of that test
  std::optional<SampleWriteResult> sample;  // nothing when the run was aborted
};

// Timer 4's capture step: nothing unless a capture is requested. A run that
// was aborted (board or controller not answering) writes no sample, since
// its values are not those of the film; the request is lowered in any case
// so the dialog does not wait forever.
// The time of writing comes from `now`, asked after the run.
using SampleClock = std::function<SampleTime()>;
CaptureStepResult RunCaptureStep(Tester& tester, const SampleClock& now = CurrentSampleTime);

}  // namespace vn
