// Node values of a sample as the writers, the readers and the averaging hold
// them: one signed 32-bit value per node, element (x, y) at 52*x + y.
#pragma once

#include <cstdint>

#include "engine/node_matrix.h"

namespace vn {

using SampleValues = BasicNodeMatrix<std::int32_t>;

// The raw values of a run, widened.
inline SampleValues ToSampleValues(const NodeMatrix& measured) {
  SampleValues values;
  for (std::size_t i = 0; i < kNodeCount; ++i) values.values[i] = measured.values[i];
  return values;
}

}  // namespace vn
