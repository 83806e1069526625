#include "engine/node_judgement.h"

#include <algorithm>

namespace vn {

namespace {

std::size_t XChannelsInUse(const TestParameters& p) {
  return std::min<std::size_t>(p.x_channel_valid, kXChannelCount);
}

std::size_t YChannelsInUse(const TestParameters& p) {
  return std::min<std::size_t>(p.y_channel_valid, kYChannelCount);
}

bool MultiRowKeyIsKey(const TestParameters& p, std::uint8_t x, std::uint8_t y) {
  const std::size_t column = KeyOrdinal(p.test_key_area_x, x);
  const std::size_t row = KeyOrdinal(p.test_key_area_y, y);
  if (column >= kKeyMatrixSize || row >= kKeyMatrixSize) return false;
  return p.key_node_map[row][column] != 0;
}

bool OutsideRange(std::int64_t value, std::int64_t lower, std::int64_t upper) {
  return value < lower || value > upper;
}

// The judged nodes in X-major order; stops after the first failing node when
// firstOnly is set.
template <typename NodeFails>
std::vector<NodePosition> CollectFailing(const TestParameters& p, NodeFails fails, bool firstOnly) {
  std::vector<NodePosition> failing;
  for (std::size_t x = 0; x < XChannelsInUse(p); ++x) {
    for (std::size_t y = 0; y < YChannelsInUse(p); ++y) {
      const NodePosition node{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
      if (!fails(node)) continue;
      failing.push_back(node);
      if (firstOnly) return failing;
    }
  }
  return failing;
}

std::optional<NodePosition> First(const std::vector<NodePosition>& nodes) {
  if (nodes.empty()) return std::nullopt;
  return nodes.front();
}

auto ValueFailsAt(const ValueBasis& basis, const NodeMatrix& measured) {
  return [&](NodePosition n) {
    return NodeValueFails(basis, ClassifyNode(basis.parameters, n.x, n.y), n.x, n.y,
                          measured.At(n.x, n.y));
  };
}

auto DifferenceFailsAt(const TestParameters& p, const DifferenceLimits& limits,
                       const DifferenceMatrix& differences) {
  return [&](NodePosition n) {
    return NodeDifferenceFails(limits, ClassifyNode(p, n.x, n.y), differences.At(n.x, n.y));
  };
}

}  // namespace

NodeArea ClassifyNode(const TestParameters& p, std::uint8_t x, std::uint8_t y) {
  if (x >= XChannelsInUse(p) || y >= YChannelsInUse(p)) return NodeArea::Outside;
  if (p.test_va_area_x[x] != 0 && p.test_va_area_y[y] != 0) return NodeArea::Visible;
  if (p.test_key_area_x[x] == 0 || p.test_key_area_y[y] == 0) return NodeArea::Untested;
  if (p.test_key_number_x <= 1 || p.test_key_number_y <= 1) return NodeArea::Key;
  return MultiRowKeyIsKey(p, x, y) ? NodeArea::Key : NodeArea::Untested;
}

JudgedLimits NodeValueLimits(const ValueBasis& basis, NodeArea area, std::uint8_t x, std::uint8_t y) {
  if (basis.criterion != 0) {
    if (x >= kXChannelCount || y >= kYChannelCount) return {};
    const std::size_t index = NodeIndex(x, y);
    return {basis.limits.lower[index], basis.limits.upper[index]};
  }
  const TestParameters& p = basis.parameters;
  if (area == NodeArea::Key) return {p.rawdata_key_min, p.rawdata_key_max};
  return {p.rawdata_va_min, p.rawdata_va_max};
}

bool NodeValueFails(const ValueBasis& basis, NodeArea area, std::uint8_t x, std::uint8_t y,
                    std::int64_t value) {
  if (area != NodeArea::Visible && area != NodeArea::Key) return false;
  if (basis.criterion != 0 && (x >= kXChannelCount || y >= kYChannelCount)) return false;  // no such node
  const JudgedLimits limits = NodeValueLimits(basis, area, x, y);
  return OutsideRange(value, limits.lower, limits.upper);
}

std::vector<NodePosition> NodesWhere(const TestParameters& parameters,
                                     const std::function<bool(NodePosition)>& pick) {
  return CollectFailing(parameters, pick, false);
}

bool JudgeValues(const ValueBasis& basis, const NodeMatrix& measured) {
  return FirstFailingValue(basis, measured).has_value();
}

std::optional<NodePosition> FirstFailingValue(const ValueBasis& basis, const NodeMatrix& measured) {
  return First(CollectFailing(basis.parameters, ValueFailsAt(basis, measured), true));
}

std::vector<NodePosition> FailingValues(const ValueBasis& basis, const NodeMatrix& measured) {
  return CollectFailing(basis.parameters, ValueFailsAt(basis, measured), false);
}

DifferenceMatrix ComputeDifferences(const NodeMatrix& measured, const NodeMatrix& baseline) {
  DifferenceMatrix differences;
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    const std::int32_t difference =
        static_cast<std::int32_t>(measured.values[i]) - static_cast<std::int32_t>(baseline.values[i]);
    differences.values[i] = static_cast<std::int16_t>(difference);  // modulo 65536
  }
  return differences;
}

bool NodeDifferenceFails(const DifferenceLimits& limits, NodeArea area, std::int64_t difference) {
  if (area == NodeArea::Visible)
    return OutsideRange(difference, limits.vaDiffLower, limits.vaDiffUpper);
  if (area == NodeArea::Key)
    return OutsideRange(difference, limits.keyDiffLower, limits.keyDiffUpper);
  return false;
}

bool JudgeDifferences(const TestParameters& parameters, const DifferenceLimits& limits,
                      const DifferenceMatrix& differences) {
  return FirstFailingDifference(parameters, limits, differences).has_value();
}

std::optional<NodePosition> FirstFailingDifference(const TestParameters& parameters,
                                                   const DifferenceLimits& limits,
                                                   const DifferenceMatrix& differences) {
  return First(CollectFailing(parameters, DifferenceFailsAt(parameters, limits, differences), true));
}

std::vector<NodePosition> FailingDifferences(const TestParameters& parameters,
                                             const DifferenceLimits& limits,
                                             const DifferenceMatrix& differences) {
  return CollectFailing(parameters, DifferenceFailsAt(parameters, limits, differences), false);
}

bool DifferenceCellRed(bool diffCriterionEnabled, const DifferenceLimits& limits, NodeArea area,
                       std::int64_t difference) {
  return diffCriterionEnabled && NodeDifferenceFails(limits, area, difference);
}

}  // namespace vn
