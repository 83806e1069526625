#include "results/failing_nodes.h"

namespace vn {

namespace {

struct Limits {
  std::int64_t lower;
  std::int64_t upper;
};

// The same limits the node judgement applies to a node value.
Limits ValueLimits(const MainWindowState& s, NodeArea area, NodePosition node) {
  if (s.criterion != 0) {
    const std::size_t index = NodeIndex(node.x, node.y);
    return {s.sampleLimits.lower[index], s.sampleLimits.upper[index]};
  }
  const TestParameters& p = s.testParameters;
  if (area == NodeArea::Key) return {p.rawdata_key_min, p.rawdata_key_max};
  return {p.rawdata_va_min, p.rawdata_va_max};
}

Limits DifferenceLimitsFor(const DifferenceLimits& limits, NodeArea area) {
  if (area == NodeArea::Key) return {limits.keyDiffLower, limits.keyDiffUpper};
  return {limits.vaDiffLower, limits.vaDiffUpper};
}

void AddValueFailures(const MainWindowState& s, std::vector<FailingNode>& out) {
  const ValueBasis basis{s.testParameters, s.criterion, s.sampleLimits};
  for (const NodePosition& node : FailingValues(basis, s.run.measuredValues)) {
    const NodeArea area = ClassifyNode(s.testParameters, node.x, node.y);
    const Limits limits = ValueLimits(s, area, node);
    out.push_back({node, FailureKind::Value, area, s.run.measuredValues.At(node.x, node.y), limits.lower,
                   limits.upper});
  }
}

void AddDifferenceFailures(const MainWindowState& s, std::vector<FailingNode>& out) {
  for (const NodePosition& node : FailingDifferences(s.testParameters, s.differenceLimits, s.run.differenceValues)) {
    const NodeArea area = ClassifyNode(s.testParameters, node.x, node.y);
    const Limits limits = DifferenceLimitsFor(s.differenceLimits, area);
    out.push_back({node, FailureKind::Difference, area, s.run.differenceValues.At(node.x, node.y), limits.lower,
                   limits.upper});
  }
}

}  // namespace

std::vector<FailingNode> CollectFailingNodes(const MainWindowState& state) {
  std::vector<FailingNode> failing;
  AddValueFailures(state, failing);
  if (state.diffCriterionEnabled != 0) AddDifferenceFailures(state, failing);
  return failing;
}

const char* AreaName(NodeArea area) { return area == NodeArea::Key ? "KEY" : "VA"; }

const char* FailureKindName(FailureKind kind) { return kind == FailureKind::Difference ? "difference" : "value"; }

std::string NodeName(NodePosition node) {
  return "X " + std::to_string(node.x) + " Y " + std::to_string(node.y);
}

}  // namespace vn
