// Node judgement: the area class of every node, whether a node's value or
// difference is acceptable, and from that whether the film fails. Only nodes
// of the visible area (VA) and of the key area are judged; every other node
// is shown but never judged. The result display colours its cells with the
// same predicates, so a red cell and a failed film always agree.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "config/test_parameters.h"
#include "engine/node_matrix.h"
#include "samples/sample_limits.h"

namespace vn {

enum class NodeArea : std::uint8_t { Outside = 1, Visible = 2, Key = 3, Untested = 4 };

// First match wins: beyond the channels in use, Outside; in the VA test
// region, Visible (VA takes precedence over KEY); outside the key region,
// Untested; with a single key row or column every key-region node is a Key;
// otherwise key_node_map[key-Y ordinal][key-X ordinal] decides. Key ordinals
// of 8 and above have no matrix cell: such nodes are Untested.
NodeArea ClassifyNode(const TestParameters& parameters, std::uint8_t x, std::uint8_t y);

// What node values are judged against: the VA and KEY ranges of the
// configuration (criterion 0) or the per-node limits of the sample in use
// (any other criterion).
struct ValueBasis {
  const TestParameters& parameters;
  int criterion;
  const SampleLimits& limits;
};

// The inclusive limits a VA or KEY node's value is judged against: the
// area's range, or the node's sample limits (0 and 0 for a node beyond the
// matrix).
struct JudgedLimits {
  std::int64_t lower = 0;
  std::int64_t upper = 0;
};
JudgedLimits NodeValueLimits(const ValueBasis& basis, NodeArea area, std::uint8_t x, std::uint8_t y);

// The one rule for a node value, both ends of every range passing. Outside
// and Untested nodes never fail.
bool NodeValueFails(const ValueBasis& basis, NodeArea area, std::uint8_t x, std::uint8_t y,
                    std::int64_t value);

// Scans x = 0..x_channel_valid-1 (outer) and y = 0..y_channel_valid-1
// (inner) and stops at the first failing node. True means filmNg.
bool JudgeValues(const ValueBasis& basis, const NodeMatrix& measured);
std::optional<NodePosition> FirstFailingValue(const ValueBasis& basis, const NodeMatrix& measured);
// Every failing node in the same order, for reports.
std::vector<NodePosition> FailingValues(const ValueBasis& basis, const NodeMatrix& measured);

// Every node of the channels in use for which pick holds, in X-major order.
std::vector<NodePosition> NodesWhere(const TestParameters& parameters,
                                     const std::function<bool(NodePosition)>& pick);

// The difference limits of the visible area and of the key area, inclusive.
struct DifferenceLimits {
  std::int16_t vaDiffLower = 3000;
  std::int16_t vaDiffUpper = 10000;
  std::int16_t keyDiffLower = 3000;
  std::int16_t keyDiffUpper = 10000;
};

// measured - baseline for all 1664 nodes, wrapped modulo 65536 into 16 bits.
DifferenceMatrix ComputeDifferences(const NodeMatrix& measured, const NodeMatrix& baseline);

// The one rule for a node difference (signed comparisons).
bool NodeDifferenceFails(const DifferenceLimits& limits, NodeArea area, std::int64_t difference);

// As JudgeValues, on the differences. True means differenceNg.
bool JudgeDifferences(const TestParameters& parameters, const DifferenceLimits& limits,
                      const DifferenceMatrix& differences);
std::optional<NodePosition> FirstFailingDifference(const TestParameters& parameters,
                                                   const DifferenceLimits& limits,
                                                   const DifferenceMatrix& differences);
std::vector<NodePosition> FailingDifferences(const TestParameters& parameters,
                                             const DifferenceLimits& limits,
                                             const DifferenceMatrix& differences);

// A cell of the difference list is red only while the difference criterion
// is on and its node's difference fails.
bool DifferenceCellRed(bool diffCriterionEnabled, const DifferenceLimits& limits, NodeArea area,
                       std::int64_t difference);

}  // namespace vn
