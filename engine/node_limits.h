// The inclusive limits a node is judged against: the VA or KEY range of the
// configuration, the node's own limits from the sample in use, or the
// difference limits of its area. The same limits the judgement applies, for
// the texts and records that name them.
#pragma once

#include <cstdint>

#include "engine/node_judgement.h"

namespace vn {

using NodeLimits = JudgedLimits;

// A Key node takes the KEY range, every other node the VA range; under the
// sample criterion the node's own limits (x < 32, y < 52).
NodeLimits ValueLimitsOf(const ValueBasis& basis, NodeArea area, NodePosition node);
NodeLimits DifferenceLimitsOf(const DifferenceLimits& limits, NodeArea area);

}  // namespace vn
