// Per-node limits derived from the golden sample in use: one inclusive lower
// and one inclusive upper limit for every node, index 52*x + y. Nodes that
// were not filled when the sample was put in use hold 0 in both.
#pragma once

#include <array>
#include <cstdint>

#include "engine/node_matrix.h"

namespace vn {

struct SampleLimits {
  std::array<std::int32_t, kNodeCount> lower{};
  std::array<std::int32_t, kNodeCount> upper{};
};

}  // namespace vn
