#include "results/failing_nodes.h"

#include "engine/node_limits.h"

namespace vn {

namespace {

void AddValueFailures(const MainWindowState& s, std::vector<FailingNode>& out) {
  const ValueBasis basis{s.testParameters, s.criterion, s.sampleLimits};
  for (const NodePosition& node : FailingValues(basis, s.run.measuredValues)) {
    const NodeArea area = ClassifyNode(s.testParameters, node.x, node.y);
    const NodeLimits limits = ValueLimitsOf(basis, area, node);
    out.push_back({node, FailureKind::Value, area, s.run.measuredValues.At(node.x, node.y), limits.lower,
                   limits.upper});
  }
}

void AddDifferenceFailures(const MainWindowState& s, std::vector<FailingNode>& out) {
  for (const NodePosition& node : FailingDifferences(s.testParameters, s.differenceLimits, s.run.differenceValues)) {
    const NodeArea area = ClassifyNode(s.testParameters, node.x, node.y);
    const NodeLimits limits = DifferenceLimitsOf(s.differenceLimits, area);
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
