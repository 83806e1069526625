// A node list as a table model: column 0 carries the row labels "Y 0".., the
// other columns the node cells. Cell colours are asked of a rule at display
// time, so a fault decoded after the cells were written still shows.
#pragma once

#include <cstdint>
#include <functional>

#include <QAbstractTableModel>

#include "app/node_cells.h"

namespace vn::app {

class NodeGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using ColourRule = std::function<CellColour(int x, int y, std::int64_t value)>;

  explicit NodeGridModel(QObject* parent = nullptr);

  // A new shape resets the model; the same shape only refreshes the cells.
  void SetGrid(NodeGrid grid);
  void SetColourRule(ColourRule rule);
  // The list's name in the header of the label column (empty: no header).
  void SetTitle(const QString& title);
  // The colour rule's inputs changed: repaint the cell colours.
  void NotifyColoursChanged();
  const NodeGrid& grid() const { return grid_; }
  // The colour a node cell shows now (black for cells not yet written).
  CellColour ColourAt(int x, int y) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  QVariant NodeData(int x, int y, int role) const;

  NodeGrid grid_;
  ColourRule colourRule_;
  QString title_;
};

}  // namespace vn::app
