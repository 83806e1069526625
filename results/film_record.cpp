#include "results/film_record.h"

#include <algorithm>
#include <array>

namespace vn {

namespace {

constexpr std::array<std::string_view, 3> kAbortLines = {"测试板无应答，测试中止", "控制器无响应，测试中止",
                                                         "测试板应答错误，测试中止"};

bool IsAbortLine(std::string_view line) {
  return std::any_of(kAbortLines.begin(), kAbortLines.end(),
                     [&](std::string_view abort) { return line.rfind(abort, 0) == 0; });
}

// The register holds channel + 1, 0 for none.
std::optional<int> FaultChannel(std::uint8_t stored) {
  if (stored == 0) return std::nullopt;
  return stored - 1;
}

void FillJudgement(const MainWindowState& s, FilmRecord& r) {
  r.failingNodes = CollectFailingNodes(s);
  r.measured = s.run.measuredValues;
  if (s.diffCriterionEnabled != 0) r.differences = s.run.differenceValues;
  if (s.margin.enabled()) {
    r.margin = MarginSettingText(s.margin);
    r.marginalNodes = CollectMarginalNodes(s);
  }
}

}  // namespace

std::string AbortReasonFromLog(const OperatorLog& log) {
  const std::vector<std::string> lines = log.Lines();
  const auto abort = std::find_if(lines.rbegin(), lines.rend(), [](const std::string& l) { return IsAbortLine(l); });
  if (abort != lines.rend()) return *abort;
  return lines.empty() ? std::string() : lines.back();
}

FilmRecord BuildFilmRecord(const Tester& tester, const RunOutcome& outcome, const FilmDetails& details,
                           const RecordStamp& stamp) {
  const MainWindowState& s = tester.state();
  FilmRecord r;
  r.time = RecordTimeText(stamp.time);
  r.station = stamp.station;
  r.configFile = s.configFilePath;
  r.configSha256 = stamp.configSha256;
  r.criterion = s.criterion == 0 ? "range" : "sample";
  r.sampleFile = details.samplePath;
  r.judged = outcome.judged;
  r.verdict = outcome.sampleCapture ? kCaptureVerdict : outcome.judged && outcome.passed ? "PASS" : "NG";
  r.filmNg = s.run.filmNg;
  r.differenceNg = s.run.differenceNg;
  r.selfTestPassed = s.run.selfTestPassed;
  r.selfTestText = s.run.selfTestText;
  r.faultX = FaultChannel(s.run.selfTestFaultX);
  r.faultY = FaultChannel(s.run.selfTestFaultY);
  if (outcome.judged) FillJudgement(s, r);
  r.elapsedSeconds = outcome.elapsedSeconds;
  r.counters = s.counters;
  r.serial = details.serial;
  if (!outcome.judged)
    r.abortReason = details.abortReason.empty() ? AbortReasonFromLog(tester.log()) : details.abortReason;
  return r;
}

}  // namespace vn
