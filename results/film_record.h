// The record of one film: what the tester knew at the end of its run, stamped
// with the time, the station and the configuration file's digest.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/tester.h"
#include "results/failing_nodes.h"
#include "results/local_time.h"

namespace vn {

// What a front end knows about a film that the tester's state does not hold.
struct FilmDetails {
  std::string serial;       // the film's serial number, empty when none was given
  std::string samplePath;   // the golden sample in use, empty for the value-range criterion
  std::string abortReason;  // empty: taken from the run's log when the run was aborted
};

// The verdict of a record of a golden-sample capture, which is no production
// film: reports leave it out of the films and the yield.
inline constexpr char kCaptureVerdict[] = "CAPTURE";

struct RecordStamp {
  LocalDateTime time;
  std::string station;
  std::string configSha256;  // empty when no configuration file is in force
};

struct FilmRecord {
  std::string time;  // "YYYY-MM-DD hh:mm:ss", local
  std::string station;
  std::string configFile;
  std::string configSha256;
  std::string criterion;  // "range" or "sample"
  std::string sampleFile;
  std::string verdict;  // "PASS" or "NG" as the screen showed it, "CAPTURE" for a golden-sample capture
  bool judged = false;  // false: aborted, not counted
  int filmNg = 0;
  int differenceNg = 0;
  int selfTestPassed = 0;
  std::string selfTestText;
  std::optional<int> faultX;  // the channel the self test blamed
  std::optional<int> faultY;
  std::vector<FailingNode> failingNodes;
  double elapsedSeconds = 0;
  Counters counters;
  std::string serial;
  std::string abortReason;
  std::optional<NodeMatrix> measured;           // absent for an aborted run
  std::optional<DifferenceMatrix> differences;  // with the difference criterion on
  // With a margin set: the margin ("pct:10") and the nodes that passed within it.
  std::optional<std::string> margin;
  std::vector<FailingNode> marginalNodes;
};

FilmRecord BuildFilmRecord(const Tester& tester, const RunOutcome& outcome, const FilmDetails& details,
                           const RecordStamp& stamp);

// The abort line a run's log ends with ("测试板无应答，测试中止" and the
// others); the last line when none of them is found; empty for an empty log.
std::string AbortReasonFromLog(const OperatorLog& log);

}  // namespace vn
