// An inline SVG of how often each node of the 32 x 52 matrix failed: one row
// per X channel, one column per Y channel, white for none and deeper red for
// more. Every cell carries its count in data-count and in a <title>
// ("X 5 Y 7: 3") that a browser shows on hover.
#pragma once

#include <array>
#include <string>

#include "engine/node_matrix.h"

namespace vn {

std::string HeatmapSvg(const std::array<int, kNodeCount>& counts);

// The fill of a cell: "#ffffff" for 0, up to "#c00000" for the highest count.
std::string HeatColour(int count, int highest);

}  // namespace vn
