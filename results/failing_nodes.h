// Every node that failed a judged film, with the value and the inclusive
// limits it was judged against: the node values first (X-major order, as the
// judgement scans), then the differences when the difference criterion is on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/main_window_state.h"

namespace vn {

enum class FailureKind { Value, Difference };

struct FailingNode {
  NodePosition node;
  FailureKind kind = FailureKind::Value;
  NodeArea area = NodeArea::Visible;
  std::int64_t value = 0;
  std::int64_t lower = 0;
  std::int64_t upper = 0;
};

std::vector<FailingNode> CollectFailingNodes(const MainWindowState& state);

// The nodes whose values passed within the station's margin of their limits
// (kind Value), in X-major order; none with the margin off.
std::vector<FailingNode> CollectMarginalNodes(const MainWindowState& state);

// "VA" or "KEY" (the only areas that are judged), "value" or "difference".
const char* AreaName(NodeArea area);
const char* FailureKindName(FailureKind kind);

// "X 5 Y 7".
std::string NodeName(NodePosition node);

}  // namespace vn
