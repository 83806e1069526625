#include "samples/sample_use.h"

#include "samples/sample_limit_files.h"
#include "samples/sample_limits_derivation.h"
#include "samples/sample_messages.h"

namespace vn {

SampleUseResult UseSelectedSample(Tester& tester, SampleRecord& record, const std::vector<std::string>& tickedPaths,
                                  const DeviationSettings& settings) {
  if (tickedPaths.empty()) return {false, SampleDialogMessage(kNoSampleTickedForUseText)};
  if (tickedPaths.size() > 1) return {false, SampleDialogMessage(kTooManySamplesForUseText)};

  MainWindowState& state = tester.state();
  const std::string& path = tickedPaths.front();
  const SampleLimitsResult derived = DeriveSampleLimits(path, state.testParameters, settings);
  if (!derived.ok()) return {false, derived.message};

  record.path = path;
  state.sampleLimits = derived.limits;
  const LimitFilesResult records = WriteSampleLimitFiles(state.appDirectory, state.sampleLimits);
  tester.ConfirmCriterion(1);
  tester.log().Append(kSampleInUseLogLine, false, true);
  return {true, records.ok ? OperatorMessage{} : records.message};
}

}  // namespace vn
