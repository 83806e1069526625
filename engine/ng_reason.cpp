#include "engine/ng_reason.h"

#include "engine/verdict.h"

namespace vn {

namespace {

std::string Range(NodeLimits limits) { return std::to_string(limits.lower) + "~" + std::to_string(limits.upper); }

std::string SelfTestReason(const RunState& run) {
  return run.selfTestText.empty() ? std::string("自检未通过") : run.selfTestText;
}

}  // namespace

std::string NodeLabel(NodePosition node) { return "X" + std::to_string(node.x) + " Y" + std::to_string(node.y); }

std::string FailingValueLine(NodePosition node, std::int64_t value, NodeLimits limits) {
  return "NG：" + NodeLabel(node) + " = " + std::to_string(value) + "（范围 " + Range(limits) + "）";
}

std::string FailingDifferenceLine(NodePosition node, std::int64_t difference, NodeLimits limits) {
  return "NG：" + NodeLabel(node) + " 差值 = " + std::to_string(difference) + "（差值范围 " + Range(limits) + "）";
}

NgReason FindNgReason(const MainWindowState& s) {
  const RunState& run = s.run;
  NgReason ng;
  RunReason& reason = ng.reason;
  if (FilmPasses(run.selfTestPassed, run.filmNg, run.differenceNg)) return ng;
  const ValueBasis basis{s.testParameters, s.criterion, s.sampleLimits};
  reason.failingValue = FirstFailingValue(basis, run.measuredValues);
  if (const auto node = reason.failingValue) {
    const NodeArea area = ClassifyNode(s.testParameters, node->x, node->y);
    ng.logLines.push_back(
        FailingValueLine(*node, run.measuredValues.At(node->x, node->y), ValueLimitsOf(basis, area, *node)));
  }
  if (s.diffCriterionEnabled != 0)
    reason.failingDifference = FirstFailingDifference(s.testParameters, s.differenceLimits, run.differenceValues);
  if (const auto node = reason.failingDifference) {
    const NodeArea area = ClassifyNode(s.testParameters, node->x, node->y);
    ng.logLines.push_back(FailingDifferenceLine(*node, run.differenceValues.At(node->x, node->y),
                                                    DifferenceLimitsOf(s.differenceLimits, area)));
  }
  if (run.selfTestPassed == 0)
    reason.text = SelfTestReason(run);
  else if (!ng.logLines.empty())
    reason.text = ng.logLines.front();
  else
    reason.text = "NG";  // not reached: a failed film has a failing kind
  return ng;
}

}  // namespace vn
