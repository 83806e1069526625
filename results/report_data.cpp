#include "results/report_data.h"

#include <algorithm>
#include <set>

namespace vn {

namespace {

constexpr std::string_view kFullWidthComma = "，";

std::string SelfTestReason(const std::string& text) {
  if (text.empty()) return "self test";
  return "self test: " + text.substr(0, text.find(kFullWidthComma));
}

void AddNodeFailures(ReportData& data, const RecordSummary& record) {
  std::set<std::size_t> nodes;  // a node counts once per film, value or difference
  for (const RecordedFailure& f : record.failures) nodes.insert(NodeIndex(f.node.x, f.node.y));
  for (std::size_t index : nodes) ++data.nodeFailures[index];
}

void AddMarginalNodes(ReportData& data, FilmTally& hour, const RecordSummary& record) {
  if (!record.marginalNodes) return;
  const bool marginal = record.passed && !record.marginalNodes->empty();
  for (FilmTally* tally : {&data.total, &hour}) {
    ++tally->marginChecked;
    if (marginal) ++tally->marginal;
  }
  for (const NodePosition& node : *record.marginalNodes) ++data.nodeMarginals[NodeIndex(node.x, node.y)];
}

}  // namespace

std::vector<std::string> NgReasons(const RecordSummary& r) {
  if (r.passed) return {};
  if (!r.judged) return {"aborted"};
  std::vector<std::string> reasons;
  if (r.selfTestPassed == 0) reasons.push_back(SelfTestReason(r.selfTestText));
  const auto failsIn = [&](NodeArea area) {
    return std::any_of(r.failures.begin(), r.failures.end(),
                       [&](const RecordedFailure& f) { return f.kind == FailureKind::Value && f.area == area; });
  };
  if (failsIn(NodeArea::Visible)) reasons.push_back("VA out of range");
  if (failsIn(NodeArea::Key)) reasons.push_back("KEY out of range");
  if (r.differenceNg != 0) reasons.push_back("difference");
  if (reasons.empty()) reasons.push_back("other");
  return reasons;
}

void AddRecord(ReportData& data, const RecordSummary& record) {
  if (record.sampleCapture) {
    ++data.sampleCaptures;
    return;
  }
  FilmTally& hour = data.byHour[record.time.substr(0, 13)];
  for (FilmTally* tally : {&data.total, &hour}) {
    ++tally->films;
    if (record.passed) ++tally->passed;
  }
  if (!record.judged) ++data.aborted;
  for (const std::string& reason : NgReasons(record)) ++data.reasons[reason];
  AddNodeFailures(data, record);
  AddMarginalNodes(data, hour, record);
  if (data.trends && record.judged && record.measured) AddFilmTrend(*data.trends, record.time, *record.measured);
}

double YieldPercent(const FilmTally& tally) {
  return tally.films == 0 ? 0.0 : 100.0 * tally.passed / tally.films;
}

double MarginalPercent(const FilmTally& tally) {
  return tally.marginChecked == 0 ? 0.0 : 100.0 * tally.marginal / tally.marginChecked;
}

bool HasMarginData(const ReportData& data) { return data.total.marginChecked > 0; }

std::vector<Ranked> RankedReasons(const ReportData& data) {
  std::vector<Ranked> ranked;
  for (const auto& [name, count] : data.reasons) ranked.push_back({name, count});
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) { return a.count > b.count; });
  return ranked;
}

std::vector<NodeCount> MostFailedNodes(const ReportData& data, std::size_t limit) {
  return RankedNodes(data.nodeFailures, limit);
}

std::vector<NodeCount> MostMarginalNodes(const ReportData& data, std::size_t limit) {
  return RankedNodes(data.nodeMarginals, limit);
}

std::vector<NodeCount> RankedNodes(const std::array<int, kNodeCount>& counts, std::size_t limit) {
  std::vector<NodeCount> nodes;
  for (std::size_t x = 0; x < kXChannelCount; ++x)
    for (std::size_t y = 0; y < kYChannelCount; ++y)
      if (const int count = counts[NodeIndex(x, y)]; count > 0)
        nodes.push_back({{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)}, count});
  std::stable_sort(nodes.begin(), nodes.end(), [](const NodeCount& a, const NodeCount& b) { return a.count > b.count; });
  if (nodes.size() > limit) nodes.resize(limit);
  return nodes;
}

}  // namespace vn
