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

// "marginalNodes", when the record has it: the nodes as positions.
bool ParseMarginalNodes(const json& j, RecordSummary& r) {
  if (!j.contains("marginalNodes")) return true;
  if (!j.at("marginalNodes").is_array()) return false;
  r.marginalNodes.emplace();
  for (const json& node : j.at("marginalNodes")) {
    const std::optional<RecordedFailure> parsed = ParseFailure(node);
    if (!parsed) return false;
    r.marginalNodes->push_back(parsed->node);
  }
  return true;
}

// "measured" as the film's values; anything else is left out, never a reason to skip the record.
std::optional<NodeMatrix> Measured(const json& j) {
  if (!j.contains("measured") || !j.at("measured").is_array() || j.at("measured").size() != kNodeCount)
    return std::nullopt;
  NodeMatrix values;
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    const json& v = j.at("measured")[i];
    if (!v.is_number_unsigned() || v.get<std::uint64_t>() > 65535) return std::nullopt;
    values.values[i] = static_cast<std::uint16_t>(v.get<std::uint64_t>());
  }
  return values;
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
  if (!ParseMarginalNodes(j, r)) return std::nullopt;
  r.measured = Measured(j);
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
