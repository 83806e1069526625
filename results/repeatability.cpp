#include "results/repeatability.h"

#include <algorithm>
#include <cmath>

#include "engine/node_judgement.h"

namespace vn {

void RepeatabilityStats::Add(const NodeMatrix& values) {
  ++runs_;
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    const std::uint16_t value = values.values[i];
    const double delta = value - mean_[i];
    mean_[i] += delta / runs_;
    squares_[i] += delta * (value - mean_[i]);
    lowest_[i] = runs_ == 1 ? value : std::min(lowest_[i], value);
    highest_[i] = runs_ == 1 ? value : std::max(highest_[i], value);
  }
}

NodeSpread RepeatabilityStats::Spread(std::size_t index) const {
  if (runs_ == 0 || index >= kNodeCount) return {};
  const double variance = runs_ > 1 ? squares_[index] / (runs_ - 1) : 0.0;
  return {mean_[index], std::sqrt(std::max(0.0, variance)), highest_[index] - lowest_[index]};
}

namespace {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(middle), values.end());
  if (values.size() % 2 == 1) return values[middle];
  const double upper = values[middle];
  return (upper + *std::max_element(values.begin(), values.begin() + std::ptrdiff_t(middle))) / 2;
}

std::vector<ColumnNoise> RankedColumns(const std::vector<NodeSpreadAt>& nodes) {
  std::vector<ColumnNoise> columns(kXChannelCount);
  for (std::size_t x = 0; x < kXChannelCount; ++x) columns[x].x = int(x);
  for (const NodeSpreadAt& n : nodes) {
    columns[n.node.x].meanStandardDeviation += n.spread.standardDeviation;
    ++columns[n.node.x].nodes;
  }
  std::erase_if(columns, [](const ColumnNoise& c) { return c.nodes == 0; });
  for (ColumnNoise& c : columns) c.meanStandardDeviation /= c.nodes;
  std::stable_sort(columns.begin(), columns.end(), [](const ColumnNoise& a, const ColumnNoise& b) {
    return a.meanStandardDeviation > b.meanStandardDeviation;
  });
  return columns;
}

}  // namespace

RepeatabilitySummary SummariseRepeatability(const RepeatabilityStats& stats, const TestParameters& parameters,
                                            std::size_t worstCount) {
  RepeatabilitySummary summary;
  summary.runs = stats.runs();
  std::vector<NodeSpreadAt> nodes;
  for (const NodePosition& node : NodesWhere(parameters, [&](NodePosition n) {
         const NodeArea area = ClassifyNode(parameters, n.x, n.y);
         return area == NodeArea::Visible || area == NodeArea::Key;
       })) {
    const bool key = ClassifyNode(parameters, node.x, node.y) == NodeArea::Key;
    ++(key ? summary.keyNodes : summary.vaNodes);
    summary.judged[NodeIndex(node.x, node.y)] = true;
    nodes.push_back({node, stats.Spread(NodeIndex(node.x, node.y))});
  }
  std::vector<double> deviations;
  for (const NodeSpreadAt& n : nodes) deviations.push_back(n.spread.standardDeviation);
  summary.medianStandardDeviation = Median(deviations);
  summary.columns = RankedColumns(nodes);
  std::stable_sort(nodes.begin(), nodes.end(), [](const NodeSpreadAt& a, const NodeSpreadAt& b) {
    return a.spread.standardDeviation > b.spread.standardDeviation;
  });
  if (nodes.size() > worstCount) nodes.resize(worstCount);
  summary.worstNodes = std::move(nodes);
  return summary;
}

}  // namespace vn
