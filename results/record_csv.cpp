#include "results/record_csv.h"

#include <cstdio>

#include "results/csv_field.h"

namespace vn {

namespace {

std::string Fixed(double value, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", digits, value);
  return text;
}

std::string Optional(const std::optional<int>& value) { return value ? std::to_string(*value) : std::string(); }

std::string FirstFailingNode(const FilmRecord& r) {
  return r.failingNodes.empty() ? std::string() : NodeName(r.failingNodes.front().node);
}

}  // namespace

std::string CsvHeaderRow() {
  return CsvRow({"time", "station", "config_file", "config_sha256", "criterion", "sample_file", "verdict", "film_ng",
                 "difference_ng", "self_test_passed", "self_test_text", "fault_x", "fault_y", "failing_nodes",
                 "first_failing_node", "elapsed_seconds", "ok_count", "ng_count", "yield_percent", "serial",
                 "abort_reason"});
}

std::string CsvRecordRow(const FilmRecord& r) {
  return CsvRow({r.time, r.station, r.configFile, r.configSha256, r.criterion, r.sampleFile, r.verdict,
                 std::to_string(r.filmNg), std::to_string(r.differenceNg), std::to_string(r.selfTestPassed),
                 r.selfTestText, Optional(r.faultX), Optional(r.faultY), std::to_string(r.failingNodes.size()),
                 FirstFailingNode(r), Fixed(r.elapsedSeconds, 3), std::to_string(r.counters.okCount),
                 std::to_string(r.counters.ngCount), Fixed(r.counters.yieldPercent, 2), r.serial, r.abortReason});
}

}  // namespace vn
