#include "results/failing_nodes.h"

#include "engine/node_limits.h"

namespace vn {

namespace {

// Each node with its value and the limits the judgement applied to it.
std::vector<FailingNode> WithValueLimits(const MainWindowState& s, const ValueBasis& basis,
                                         const std::vector<NodePosition>& nodes) {
  std::vector<FailingNode> out;
  for (const NodePosition& node : nodes) {
    const NodeArea area = ClassifyNode(s.testParameters, node.x, node.y);
    const JudgedLimits limits = NodeValueLimits(basis, area, node.x, node.y);
    out.push_back({node, FailureKind::Value, area, s.run.measuredValues.At(node.x, node.y), limits.lower,
                   limits.upper});
  }
  return out;
}

void AddValueFailures(const MainWindowState& s, std::vector<FailingNode>& out) {
  const ValueBasis basis{s.testParameters, s.criterion, s.sampleLimits};
  const std::vector<FailingNode> failing = WithValueLimits(s, basis, FailingValues(basis, s.run.measuredValues));
  out.insert(out.end(), failing.begin(), failing.end());
}

void AddDifferenceFailures(const MainWindowState& s, std::vector<FailingNode>& out) {
  for (const NodePosition& node : FailingDifferences(s.testParameters, s.differenceLimits, s.run.differenceValues)) {
    const NodeArea area = ClassifyNode(s.testParameters, node.x, node.y);
    const JudgedLimits limits = DifferenceLimitsOf(s.differenceLimits, area);
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

std::vector<FailingNode> CollectMarginalNodes(const MainWindowState& state) {
  const ValueBasis basis{state.testParameters, state.criterion, state.sampleLimits};
  return WithValueLimits(state, basis, MarginalValues(basis, state.margin, state.run.measuredValues));
}

const char* AreaName(NodeArea area) { return area == NodeArea::Key ? "KEY" : "VA"; }

const char* FailureKindName(FailureKind kind) { return kind == FailureKind::Difference ? "difference" : "value"; }

std::string NodeName(NodePosition node) {
  return "X " + std::to_string(node.x) + " Y " + std::to_string(node.y);
}

}  // namespace vn
