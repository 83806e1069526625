// The record of every film: after each run, one row in the day's CSV file
// and one line in the day's JSON-lines file in the results folder
// ("results-YYYYMMDD.csv", "results-YYYYMMDD.jsonl", by local day). A record
// is written whole or not at all. When the folder cannot be written (full
// disk, no permission) the operator log says so once, and the test goes on;
// the line comes again only after a record has been written in between.
#pragma once

#include <string>

#include "engine/tester.h"
#include "platform/operator_log.h"
#include "results/append_file.h"
#include "results/film_record.h"
#include "results/host_name.h"
#include "results/local_time.h"

namespace vn {

// What the recorder takes from the system, replaceable for tests. An empty
// member stands for the system's own.
struct RecorderEnvironment {
  LocalClock clock;          // CurrentLocalDateTime
  HostNameSource hostName;   // HostName, used when the station name is empty
  AppendFileOpener opener;   // OpenAppendFile
};

struct RecordResult {
  bool written = false;
  std::string csvPath;
  std::string jsonPath;
  int error = 0;  // errno of the failure
};

class ResultsRecorder {
 public:
  // station empty: the computer's name.
  ResultsRecorder(std::string folder, std::string station, OperatorLog& log, RecorderEnvironment environment = {});

  // Records the film the tester has just run; call it after every RunTest,
  // also when outcome.judged is false.
  RecordResult Record(const Tester& tester, const RunOutcome& outcome, const FilmDetails& details = {});

  const std::string& folder() const { return folder_; }
  const std::string& station() const { return station_; }

 private:
  void ReportFailure(int error);

  std::string folder_;
  std::string station_;
  OperatorLog& log_;
  LocalClock clock_;
  AppendFileOpener opener_;
  bool failureLogged_ = false;
};

// "测试结果记录失败：" + folder + the cause in the operator's words.
std::string RecordFailureLine(const std::string& folder, int error);

}  // namespace vn
