#include "engine/node_limits.h"

namespace vn {

NodeLimits ValueLimitsOf(const ValueBasis& basis, NodeArea area, NodePosition node) {
  if (basis.criterion != 0) {
    const std::size_t index = NodeIndex(node.x, node.y);
    return {basis.limits.lower[index], basis.limits.upper[index]};
  }
  const TestParameters& p = basis.parameters;
  if (area == NodeArea::Key) return {p.rawdata_key_min, p.rawdata_key_max};
  return {p.rawdata_va_min, p.rawdata_va_max};
}

NodeLimits DifferenceLimitsOf(const DifferenceLimits& limits, NodeArea area) {
  if (area == NodeArea::Key) return {limits.keyDiffLower, limits.keyDiffUpper};
  return {limits.vaDiffLower, limits.vaDiffUpper};
}

}  // namespace vn
