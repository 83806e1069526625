#include "results/record_summary.h"

#include <nlohmann/json.hpp>

#include "results/film_record.h"

namespace vn {

namespace {

using nlohmann::json;

std::optional<RecordedFailure> ParseFailure(const json& j) {
  const int x = j.at("x").get<int>();
  const int y = j.at("y").get<int>();
  if (x < 0 || y < 0 || x >= int(kXChannelCount) || y >= int(kYChannelCount)) return std::nullopt;
  RecordedFailure failure;
  failure.node = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
  failure.kind = j.value("kind", std::string("value")) == "difference" ? FailureKind::Difference : FailureKind::Value;
  failure.area = j.value("area", std::string("VA")) == "KEY" ? NodeArea::Key : NodeArea::Visible;
  return failure;
}

std::optional<RecordSummary> Summarise(const json& j) {
  RecordSummary r;
  r.time = j.at("time").get<std::string>();
  const std::string verdict = j.at("verdict").get<std::string>();
  r.sampleCapture = verdict == kCaptureVerdict;
  if (r.time.size() < 13 || (verdict != "PASS" && verdict != "NG" && !r.sampleCapture)) return std::nullopt;
  r.passed = verdict == "PASS";
  r.judged = j.value("judged", true);
  r.selfTestPassed = j.value("selfTestPassed", 1);
  r.selfTestText = j.value("selfTestText", std::string());
  r.differenceNg = j.value("differenceNg", 0);
  r.abortReason = j.value("abortReason", std::string());
  if (!j.contains("failingNodes")) return r;
  if (!j.at("failingNodes").is_array()) return std::nullopt;
  for (const json& node : j.at("failingNodes")) {
    const std::optional<RecordedFailure> failure = ParseFailure(node);
    if (!failure) return std::nullopt;
    r.failures.push_back(*failure);
  }
  return r;
}

}  // namespace

std::optional<RecordSummary> ParseRecordLine(std::string_view line) {
  try {
    const json j = json::parse(line);
    if (!j.is_object()) return std::nullopt;
    return Summarise(j);
  } catch (const json::exception&) {
    return std::nullopt;
  }
}

}  // namespace vn
