// Why a judged film is NG, in one line of the operator's words, and the
// nodes to bring into view: the self test's finding first (a short or a low
// impedance makes every value meaningless), then the first failing node value,
// then the first failing difference. Each failing kind also gets a log line
// naming the node, its value and its limits:
//   "NG：X31 Y51 = 850（范围 19000~28000）"
//   "NG：X5 Y7 差值 = 12000（差值范围 3000~10000）"
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/main_window_state.h"
#include "engine/node_limits.h"

namespace vn {

struct NgReason {
  RunReason reason;                   // empty text when the film passed
  std::vector<std::string> logLines;  // one per failing node kind, values first
};

// The reason of the run the state holds, judged as the run judged it.
NgReason FindNgReason(const MainWindowState& state);

// "X31 Y51": the node's channels, without padding.
std::string NodeLabel(NodePosition node);
std::string FailingValueLine(NodePosition node, std::int64_t value, NodeLimits limits);
std::string FailingDifferenceLine(NodePosition node, std::int64_t difference, NodeLimits limits);

}  // namespace vn
