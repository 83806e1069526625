#include "results/heatmap_svg.h"

#include <algorithm>
#include <cstdio>

namespace vn {

namespace {

constexpr int kCell = 14;
constexpr int kLeft = 34;  // room for the X labels
constexpr int kTop = 24;   // room for the Y labels

std::string Number(int value) { return std::to_string(value); }

std::string ColumnLabels() {
  std::string text;
  for (std::size_t y = 0; y < kYChannelCount; ++y)
    text += "<text class=\"ylabel\" x=\"" + Number(kLeft + int(y) * kCell + kCell / 2) + "\" y=\"" +
            Number(kTop - 6) + "\">" + Number(int(y)) + "</text>";
  return text;
}

std::string RowLabel(std::size_t x) {
  return "<text class=\"xlabel\" x=\"" + Number(kLeft - 4) + "\" y=\"" + Number(kTop + int(x) * kCell + kCell - 3) +
         "\">X" + Number(int(x)) + "</text>";
}

std::string Cell(std::size_t x, std::size_t y, const HeatCell& cell, const std::string& dataName) {
  return "<rect x=\"" + Number(kLeft + int(y) * kCell) + "\" y=\"" + Number(kTop + int(x) * kCell) + "\" width=\"" +
         Number(kCell - 1) + "\" height=\"" + Number(kCell - 1) + "\" fill=\"" + cell.fill + "\" data-x=\"" +
         Number(int(x)) + "\" data-y=\"" + Number(int(y)) + "\" data-" + dataName + "=\"" + cell.value +
         "\"><title>" + cell.title + "</title></rect>";
}

}  // namespace

std::string ShareColour(double share) {
  share = std::clamp(share, 0.0, 1.0);
  // From a light red for the least to a deep red for the highest figure.
  const int red = 255 - int(63 * share + 0.5);
  const int other = 208 - int(208 * share + 0.5);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", red, other, other);
  return text;
}

std::string HeatColour(int count, int highest) {
  if (count <= 0 || highest <= 0) return "#ffffff";
  return ShareColour(double(count) / highest);
}

std::string MatrixHeatmapSvg(const std::array<HeatCell, kNodeCount>& cells, const HeatmapLabels& labels) {
  const int width = kLeft + int(kYChannelCount) * kCell;
  const int height = kTop + int(kXChannelCount) * kCell;
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"heatmap\" width=\"" + Number(width) +
                    "\" height=\"" + Number(height) + "\" viewBox=\"0 0 " + Number(width) + " " + Number(height) +
                    "\" role=\"img\" aria-label=\"" + labels.ariaLabel + "\">";
  svg += ColumnLabels();
  for (std::size_t x = 0; x < kXChannelCount; ++x) {
    svg += RowLabel(x);
    for (std::size_t y = 0; y < kYChannelCount; ++y) svg += Cell(x, y, cells[NodeIndex(x, y)], labels.dataName);
    svg += "\n";
  }
  return svg + "</svg>";
}

std::string HeatmapSvg(const std::array<int, kNodeCount>& counts) {
  const int highest = *std::max_element(counts.begin(), counts.end());
  std::array<HeatCell, kNodeCount> cells;
  for (std::size_t x = 0; x < kXChannelCount; ++x)
    for (std::size_t y = 0; y < kYChannelCount; ++y) {
      const int count = counts[NodeIndex(x, y)];
      cells[NodeIndex(x, y)] = {HeatColour(count, highest),
                                "X " + Number(int(x)) + " Y " + Number(int(y)) + ": " + Number(count), Number(count)};
    }
  return MatrixHeatmapSvg(cells, {"count", "failures per node"});
}

}  // namespace vn
