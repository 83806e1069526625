#include "config/test_parameters.h"

namespace vn {

void TestParameters::RebuildKeyNodeMap() {
  for (std::size_t row = 0; row < kKeyMatrixSize; ++row)
    for (std::size_t column = 0; column < kKeyMatrixSize; ++column)
      key_node_map[row][column] = multikey_matrix[column][row];
}

std::size_t KeyOrdinal(const ChannelFlags& keyFlags, std::size_t channel) {
  std::size_t ordinal = 0;
  for (std::size_t k = 0; k < channel && k < keyFlags.size(); ++k)
    if (keyFlags[k] != 0) ++ordinal;
  return ordinal;
}

}  // namespace vn
