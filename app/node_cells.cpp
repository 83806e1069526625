#include "app/node_cells.h"

#include <algorithm>

#include "platform/format.h"

namespace vn::app {

namespace {

int ChannelsInUse(int configured, std::size_t limit) { return std::clamp(configured, 0, int(limit)); }

bool Shown(const TestParameters& p, int x, int y) {
  return p.display_area_x[std::size_t(x)] == 1 && p.display_area_y[std::size_t(y)] == 1;
}

bool Judged(NodeArea area) { return area == NodeArea::Visible || area == NodeArea::Key; }

NodeArea AreaOf(const TestParameters& p, int x, int y) {
  return ClassifyNode(p, std::uint8_t(x), std::uint8_t(y));
}

template <typename Matrix>
void FillGrid(NodeGrid& grid, const TestParameters& parameters, const Matrix& values) {
  for (int y = 0; y < grid.yChannels(); ++y) {
    for (int x = 0; x < grid.xChannels(); ++x) {
      NodeCell& cell = grid.Cell(x, y);
      cell.value = values.At(std::size_t(x), std::size_t(y));
      cell.text = NodeCellText(parameters, x, y, cell.value);
      cell.filled = true;
    }
  }
}

}  // namespace

std::string ColumnHeader(int column) { return column <= 0 ? std::string() : " X" + P2(column - 1); }

std::string RowLabel(int row) { return "Y" + P2(row); }

ColumnWidths NodeColumnWidths(int screenWidth, int xChannels) {
  if (xChannels <= 0) return {30, 43};
  const int label = std::min(screenWidth / xChannels, 30);
  const int node = std::clamp((screenWidth - label) / xChannels, 43, 60);
  return {label, node};
}

NodeGrid::NodeGrid(int xChannels, int yChannels)
    : xChannels_(std::max(xChannels, 0)),
      yChannels_(std::max(yChannels, 0)),
      cells_(std::size_t(xChannels_) * std::size_t(yChannels_)) {}

NodeGrid NodeGrid::ForParameters(const TestParameters& p) {
  return NodeGrid(ChannelsInUse(p.x_channel_valid, kXChannelCount), ChannelsInUse(p.y_channel_valid, kYChannelCount));
}

std::string NodeCellText(const TestParameters& parameters, int x, int y, std::int64_t value) {
  if (!Shown(parameters, x, y)) return FormatPadded(0, 10);
  if (!Judged(AreaOf(parameters, x, y))) return {};
  return FormatPadded(std::int32_t(value), 10);
}

void FillValueGrid(NodeGrid& grid, const TestParameters& parameters, const NodeMatrix& values) {
  FillGrid(grid, parameters, values);
}

void FillDifferenceGrid(NodeGrid& grid, const TestParameters& parameters, const DifferenceMatrix& values) {
  FillGrid(grid, parameters, values);
}

CellColour ValueCellColour(const ValueColourRule& rule, int x, int y, std::int64_t value) {
  const NodeArea area = AreaOf(rule.basis.parameters, x, y);
  if (!Judged(area)) return CellColour::Black;
  const bool faultRow = rule.selfTestFaultY != 0 && y == rule.selfTestFaultY - 1;
  const bool faultColumn = rule.selfTestFaultX != 0 && x == rule.selfTestFaultX - 1;
  if (faultRow || faultColumn) return CellColour::Blue;
  const bool fails = rule.judged && NodeValueFails(rule.basis, area, std::uint8_t(x), std::uint8_t(y), value);
  return fails ? CellColour::Red : CellColour::Black;
}

CellColour DifferenceCellColour(const DifferenceColourRule& rule, int x, int y, std::int64_t difference) {
  const NodeArea area = AreaOf(rule.parameters, x, y);
  return DifferenceCellRed(rule.diffCriterionEnabled, rule.limits, area, difference) ? CellColour::Red
                                                                                     : CellColour::Black;
}

}  // namespace vn::app
