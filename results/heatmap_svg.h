// Inline SVG heatmaps of the 32 x 52 matrix: one row per X channel, one
// column per Y channel. Every cell carries its figure in a data- attribute
// and in a <title> ("X 5 Y 7: 3") that a browser shows on hover.
#pragma once

#include <array>
#include <string>

#include "engine/node_matrix.h"

namespace vn {

// How often each node failed: white for none and deeper red for more; the
// count in data-count.
std::string HeatmapSvg(const std::array<int, kNodeCount>& counts);

// The fill of a cell: "#ffffff" for 0, up to "#c00000" for the highest count.
std::string HeatColour(int count, int highest);
// The same scale for a share of the highest figure, 0..1 (clamped).
std::string ShareColour(double share);

// One cell of a heatmap: its fill, its hover text and the figure it stands for.
struct HeatCell {
  std::string fill = "#ffffff";
  std::string title;
  std::string value;  // the data- attribute's text
};

struct HeatmapLabels {
  std::string dataName;   // "count": the cell attribute is data-count
  std::string ariaLabel;  // what the picture shows, for screen readers
};

std::string MatrixHeatmapSvg(const std::array<HeatCell, kNodeCount>& cells, const HeatmapLabels& labels);

}  // namespace vn
