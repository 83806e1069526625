#include "results/verification_record.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>

#include "platform/paths.h"
#include "results/failing_nodes.h"
#include "results/local_time.h"
#include "results/record_append.h"

namespace vn {

namespace {

using json = nlohmann::ordered_json;

json NodeJson(const DriftedNode& n) {
  return {{"x", n.node.x}, {"y", n.node.y}, {"area", AreaName(n.area)}, {"reference", n.reference},
          {"measured", n.measured}, {"drift", n.drift}, {"allowed", n.allowed}};
}

json RecordJson(const VerificationRecord& r) {
  json drifted = json::array();
  for (const DriftedNode& n : r.result.drifted) drifted.push_back(NodeJson(n));
  return {{"time", r.time},
          {"station", r.station},
          {"referenceFile", r.referenceFile},
          {"referenceSha256", r.referenceSha256},
          {"tolerance", r.tolerance},
          {"passed", r.passed()},
          {"judged", r.judged},
          {"selfTestPassed", r.selfTestPassed},
          {"selfTestText", r.selfTestText},
          {"comparedNodes", r.result.comparedNodes},
          {"meanDrift", std::round(r.result.meanDrift * 10) / 10},
          {"largestDrift", r.result.largestDrift ? NodeJson(*r.result.largestDrift) : json(nullptr)},
          {"driftedNodeCount", r.result.drifted.size()},
          {"driftedNodes", drifted}};
}

std::optional<LocalDateTime> PassedAt(const std::string& line) {
  try {
    const nlohmann::json j = nlohmann::json::parse(line);
    if (!j.is_object() || !j.value("passed", false) || !j.contains("time") || !j.at("time").is_string())
      return std::nullopt;
    return ParseRecordTime(j.at("time").get<std::string>());
  } catch (const nlohmann::json::exception&) {
    return std::nullopt;
  }
}

}  // namespace

std::string VerificationsPath(const std::string& appDirectory) {
  return JoinPath(JoinPath(appDirectory.empty() ? CurrentDirectory() : appDirectory, "Config"), "verifications.jsonl");
}

std::string VerificationRecordLine(const VerificationRecord& record) {
  return RecordJson(record).dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
}

VerificationAppend AppendVerificationRecord(const std::string& path, const VerificationRecord& record,
                                            const AppendFileOpener& opener) {
  const AppendOutcome appended = AppendRecordLines({{path, {}, VerificationRecordLine(record)}}, opener);
  return {appended.ok, appended.error};
}

std::optional<LocalDateTime> LastPassedVerification(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::optional<LocalDateTime> last;
  for (std::string line; std::getline(in, line);)
    if (const std::optional<LocalDateTime> at = PassedAt(line); at && (!last || SecondsBetween(*last, *at) > 0))
      last = at;
  return last;
}

std::optional<LocalDateTime> ParseRecordTime(const std::string& text) {
  LocalDateTime t;
  char tail = 0;
  if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &t.year, &t.month, &t.day, &t.hour,
                                       &t.minute, &t.second, &tail) != 6)
    return std::nullopt;
  const std::chrono::year_month_day day{std::chrono::year{t.year}, std::chrono::month{unsigned(t.month)},
                                        std::chrono::day{unsigned(t.day)}};
  if (!day.ok() || t.hour > 23 || t.minute > 59 || t.second > 59 || t.hour < 0 || t.minute < 0 || t.second < 0)
    return std::nullopt;
  return t;
}

long long SecondsBetween(const LocalDateTime& earlier, const LocalDateTime& later) {
  const auto seconds = [](const LocalDateTime& t) {
    const std::chrono::sys_days day{std::chrono::year{t.year} / std::chrono::month{unsigned(t.month)} /
                                    std::chrono::day{unsigned(t.day)}};
    return day.time_since_epoch().count() * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
  };
  return seconds(later) - seconds(earlier);
}

}  // namespace vn
