#include "engine/node_limits.h"

namespace vn {

NodeLimits ValueLimitsOf(const ValueBasis& basis, NodeArea area, NodePosition node) {
  return NodeValueLimits(basis, area, node.x, node.y);
}

NodeLimits DifferenceLimitsOf(const DifferenceLimits& limits, NodeArea area) {
  if (area == NodeArea::Key) return {limits.keyDiffLower, limits.keyDiffUpper};
  return {limits.vaDiffLower, limits.vaDiffUpper};
}

}  // namespace vn
