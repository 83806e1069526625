// The cells of the two node lists: one row per Y channel, a label column and
// one column per X channel. The texts follow the display area; the colours
// follow the judgement, decided by the same predicates that judge the film,
// on the node's own value.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/test_parameters.h"
#include "engine/node_judgement.h"
#include "engine/node_matrix.h"

namespace vn::app {

enum class CellColour { Black, Red, Blue };

// " X 0" .. " X31" for node column k + 1; the label column (0) has an empty header.
std::string ColumnHeader(int column);
// "Y 0" .. "Y51".
std::string RowLabel(int row);

struct ColumnWidths {
  int label = 0;  // column 0
  int node = 0;   // every node column
  friend bool operator==(const ColumnWidths&, const ColumnWidths&) = default;
};
// label = screen width / X channels, at most 30; node = (screen width - label) / X channels, 43..60.
ColumnWidths NodeColumnWidths(int screenWidth, int xChannels);

struct NodeCell {
  std::string text;
  std::int64_t value = 0;  // the node's value as measured, which its colour is judged on
  bool filled = false;     // false until a run wrote the cell
};

// The node cells of one list, for the channels in use.
class NodeGrid {
 public:
  NodeGrid() = default;
  NodeGrid(int xChannels, int yChannels);
  static NodeGrid ForParameters(const TestParameters& parameters);

  int xChannels() const { return xChannels_; }
  int yChannels() const { return yChannels_; }
  const NodeCell& Cell(int x, int y) const { return cells_[Index(x, y)]; }
  NodeCell& Cell(int x, int y) { return cells_[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(xChannels_) + std::size_t(x); }
  int xChannels_ = 0;
  int yChannels_ = 0;
  std::vector<NodeCell> cells_;
};

// A shown node of the visible or key area gives its value right-aligned in
// five characters, a shown untested node an empty cell, a node outside the
// display area "    0".
std::string NodeCellText(const TestParameters& parameters, int x, int y, std::int64_t value);

void FillValueGrid(NodeGrid& grid, const TestParameters& parameters, const NodeMatrix& values);
void FillDifferenceGrid(NodeGrid& grid, const TestParameters& parameters, const DifferenceMatrix& values);

// Value list: red where the node's value fails (VA and KEY nodes only), blue
// on the X column and the Y row the self test blamed (fault channels are
// channel + 1, 0 for none); blue wins over red.
struct ValueColourRule {
  const ValueBasis& basis;
  std::uint8_t selfTestFaultX = 0;
  std::uint8_t selfTestFaultY = 0;
  bool judged = true;  // false after a sample capture: no value is red
};
CellColour ValueCellColour(const ValueColourRule& rule, int x, int y, std::int64_t value);

// Difference list: red only while the difference criterion is on and the
// node's difference fails; never blue.
struct DifferenceColourRule {
  const TestParameters& parameters;
  bool diffCriterionEnabled = false;
  const DifferenceLimits& limits;
};
CellColour DifferenceCellColour(const DifferenceColourRule& rule, int x, int y, std::int64_t difference);

}  // namespace vn::app
