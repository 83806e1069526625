// A node list on screen: a grid with full-row single selection (pale grey,
// never a fault colour, cleared when a film starts), no editing,
// the model's label column in place of row headers, fixed column widths.
#pragma once

#include <QTableView>

#include "app/node_cells.h"
#include "app/node_grid_model.h"

namespace vn::app {

class NodeListView : public QTableView {
  Q_OBJECT

 public:
  explicit NodeListView(NodeGridModel* model, QWidget* parent = nullptr);

  NodeGridModel* gridModel() const { return model_; }
  // Column widths for the current columns; rows as tall as the font needs.
  // The label column is never narrower than its longest label ("Y51"), so
  // narrow screens do not cut the row names.
  void ApplyColumnWidths(const ColumnWidths& widths);
  int LabelColumnMinimum() const;

 private:
  static constexpr int kCellMargin = 8;

  NodeGridModel* model_;
};

}  // namespace vn::app
