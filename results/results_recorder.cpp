#include "results/results_recorder.h"

#include <cerrno>

#include "platform/paths.h"
#include "results/record_append.h"
#include "results/record_csv.h"
#include "results/record_json.h"
#include "results/sha256.h"

namespace vn {

namespace {

std::string ConfigDigest(const std::string& path) {
  if (path.empty()) return {};
  return FileSha256Hex(path).value_or(std::string());
}

const char* FailureCause(int error) {
  switch (error) {
    case ENOSPC:
#if defined(EDQUOT)
    case EDQUOT:
#endif
      return "（磁盘已满）";
    case EACCES:
    case EPERM:
    case EROFS:
      return "（没有写入权限）";
    case ENOENT:
    case ENOTDIR:
      return "（文件夹无法创建）";
    default:
      return "（无法写入）";
  }
}

}  // namespace

std::string RecordFailureLine(const std::string& folder, int error) {
  return "测试结果记录失败：" + folder + FailureCause(error);
}

ResultsRecorder::ResultsRecorder(std::string folder, std::string station, OperatorLog& log,
                                 RecorderEnvironment environment)
    : folder_(std::move(folder)),
      station_(std::move(station)),
      log_(log),
      clock_(environment.clock ? std::move(environment.clock) : LocalClock(CurrentLocalDateTime)),
      opener_(environment.opener ? std::move(environment.opener) : AppendFileOpener(OpenAppendFile)) {
  if (station_.empty()) station_ = environment.hostName ? environment.hostName() : HostName();
}

RecordResult ResultsRecorder::Record(const Tester& tester, const RunOutcome& outcome, const FilmDetails& details) {
  const RecordStamp stamp{clock_(), station_, ConfigDigest(tester.state().configFilePath)};
  const FilmRecord record = BuildFilmRecord(tester, outcome, details, stamp);
  const std::string base = JoinPath(folder_, "results-" + DayStamp(stamp.time));
  RecordResult result{false, base + ".csv", base + ".jsonl", 0};
  if (!EnsureDirectory(folder_)) {
    result.error = ENOENT;
  } else {
    const AppendOutcome appended = AppendRecordLines(
        {{result.csvPath, CsvHeaderRow(), CsvRecordRow(record)}, {result.jsonPath, {}, JsonRecordLine(record)}},
        opener_);
    result.written = appended.ok;
    result.error = appended.error;
  }
  if (result.written)
    failureLogged_ = false;
  else
    ReportFailure(result.error);
  return result;
}

void ResultsRecorder::ReportFailure(int error) {
  if (failureLogged_) return;
  failureLogged_ = true;
  log_.Append(RecordFailureLine(folder_, error));
}

}  // namespace vn
