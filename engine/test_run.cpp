// The test run of the tester's core object: from Start to the verdict.
#include "engine/acquisition.h"
#include "engine/ng_reason.h"
#include "engine/self_test.h"
#include "engine/tester.h"
#include "platform/clock.h"
#include "platform/format.h"

namespace vn {

RunOutcome Tester::RunTest(RunPurpose purpose) {
  if (running_) return {};
  running_ = true;
  const Stopwatch stopwatch;
  ResetResultDisplay();
  state_.run.purpose = purpose;
  presenter_.SetEnabled(Control::StartButton, false);
  presenter_.SetEnabled(Control::BurnMenuItem, true);

  const std::uint64_t strayBefore = link_.strayAnswers();
  const bool acquired = AcquireAndJudge();
  // An answer taken for the wrong request would judge the film on wrong data.
  const bool inStep = link_.strayAnswers() == strayBefore;
  const bool judged = acquired && inStep;
  RunOutcome outcome;
  outcome.sampleCapture = purpose == RunPurpose::SampleCapture;
  if (judged) {
    LogRangeLines();
    ExplainVerdict();
    outcome.elapsedSeconds = stopwatch.ElapsedSeconds();
    ShowVerdict(outcome.elapsedSeconds);
    outcome.judged = true;
    outcome.passed = FilmPasses(state_.run.selfTestPassed, state_.run.filmNg, state_.run.differenceNg);
  } else {
    AbortRun(acquired ? "测试板应答错误，测试中止" : AbortLine());
  }
  if (state_.autoRefreshEnabled == 0) {
    if (StartAllowed()) presenter_.SetEnabled(Control::StartButton, true);
    outcome.startVerdictTimer = true;
  }
  running_ = false;
  return outcome;
}

void Tester::ResetResultDisplay() {
  log_.Clear();
  state_.run.ClearForRun();
  state_.runMessage.clear();
  controller_.ClearPendingRequest();
  controller_.ClearFailure();
  link_.ClearAnswerFlags();
  forwarded_.TakeAll();  // a message pushed before this run belongs to no film
  if (state_.autoRefreshEnabled == 0) {
    state_.verdictText = "WAIT";
    presenter_.DisplayChanged(DisplayChange::Verdict);
  }
}

bool Tester::AcquireAndJudge() {
  RunState& run = state_.run;
  if (state_.diffCriterionEnabled != 0 && !AcquireBaseline(controller_, run, log_)) return false;
  if (!controller_.Calibrate()) return false;
  log_.Append("calib & clear");
  if (!controller_.DiagnosticCommand(kReferenceMode)) return false;
  log_.Append("in refer mode1");
  if (!AcquirePages(controller_, run, log_)) return false;

  run.measuredValues = run.stagingValues;
  presenter_.DisplayChanged(DisplayChange::ValueList);
  // A capture takes the film as it is: there may be no sample to judge it by yet.
  const bool judging = run.purpose == RunPurpose::Film;
  const ValueBasis basis{state_.testParameters, state_.criterion, state_.sampleLimits};
  if (judging && JudgeValues(basis, run.measuredValues)) run.filmNg = 1;
  if (state_.diffCriterionEnabled != 0) {
    run.differenceValues = ComputeDifferences(run.measuredValues, run.baselineValues);
    presenter_.DisplayChanged(DisplayChange::DifferenceList);
    if (judging && JudgeDifferences(state_.testParameters, state_.differenceLimits, run.differenceValues))
      run.differenceNg = 1;
  }
  log_.Append("self test");
  if (!RunSelfTest(controller_, run, log_)) return false;
  ProcessForwardedMessages();
  return true;
}

void Tester::LogRangeLines() {
  if (state_.run.purpose != RunPurpose::Film) return;
  const auto logRange = [this](const char* caption, std::int32_t lower, std::int32_t upper) {
    state_.runMessage = caption + FormatPadded(lower, 10) + "~" + FormatPadded(upper, 10) + "  ";
    log_.Append(state_.runMessage);
  };
  const TestParameters& p = state_.testParameters;
  if (state_.criterion == 0) {
    logRange("非按键区合格范围：", p.rawdata_va_min, p.rawdata_va_max);
    logRange("按键区合格范围  ：", p.rawdata_key_min, p.rawdata_key_max);
  }
  if (state_.diffCriterionEnabled != 0) {  // the difference criterion applies under either basis
    const DifferenceLimits& d = state_.differenceLimits;
    logRange("非按键区差值范围：", d.vaDiffLower, d.vaDiffUpper);
    logRange("按键区差值范围  ：", d.keyDiffLower, d.keyDiffUpper);
  }
}

// The reason under the verdict; the failing nodes are named in the log too.
void Tester::ExplainVerdict() {
  RunState& run = state_.run;
  if (run.purpose == RunPurpose::SampleCapture) {
    run.reason.text = SampleCaptureReason(run.selfTestPassed != 0, run.selfTestText);
    return;
  }
  const NgReason ng = FindNgReason(state_);
  run.reason = ng.reason;
  for (const std::string& line : ng.logLines) log_.Append(line);
}

void Tester::ShowVerdict(double elapsedSeconds) {
  const RunState& run = state_.run;
  const bool passed = FilmPasses(run.selfTestPassed, run.filmNg, run.differenceNg);
  if (run.purpose == RunPurpose::SampleCapture) {
    state_.verdictText = kSampleCapturedVerdict;  // not a production film: nothing is counted
    presenter_.DisplayChanged(DisplayChange::Verdict);
  } else {
    state_.verdictText = VerdictText(passed);
    presenter_.DisplayChanged(DisplayChange::Verdict);
    CountFilm(state_.counters, passed);
    presenter_.DisplayChanged(DisplayChange::Counters);
  }
  state_.runMessage = ElapsedTimeLine(elapsedSeconds);
  log_.Append(state_.runMessage);
}

const char* Tester::AbortLine() const {
  return controller_.lastFailure() == ControllerFailure::Timeout ? "控制器无响应，测试中止" : "测试板无应答，测试中止";
}

// A film that was not fully judged never passes and is not counted.
void Tester::AbortRun(const char* line) {
  log_.Append(line);
  state_.run.selfTestPassed = 0;
  state_.run.reason.text = line;
  state_.verdictText = "NG";
  presenter_.DisplayChanged(DisplayChange::Verdict);
}

void Tester::ResetVerdictAfterRun() {
  if (state_.run.selfTestPassed == 0 || state_.run.filmNg != 0) return;
  state_.verdictText = "WAIT";
  state_.run.reason = {};
  presenter_.DisplayChanged(DisplayChange::Verdict);
}

void Tester::ClearStatistics() {
  log_.Append(ClearedStatisticsLine(state_.counters));  // the counts are kept nowhere else
  vn::ClearStatistics(state_.counters);
  presenter_.DisplayChanged(DisplayChange::Counters);
}

}  // namespace vn
