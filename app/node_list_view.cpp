#include "app/node_list_view.h"

#include <algorithm>

#include <QHeaderView>

namespace vn::app {

NodeListView::NodeListView(NodeGridModel* model, QWidget* parent) : QTableView(parent), model_(model) {
  setModel(model_);
  setShowGrid(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  setFocusPolicy(Qt::NoFocus);  // the keyboard stays with Start
  verticalHeader()->hide();
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);
}

int NodeListView::LabelColumnMinimum() const {
  return fontMetrics().horizontalAdvance(QString::fromStdString(RowLabel(51))) + kCellMargin;
}

void NodeListView::ApplyColumnWidths(const ColumnWidths& widths) {
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  const int label = std::max(widths.label, LabelColumnMinimum());
  const int columns = model_->columnCount();
  for (int column = 0; column < columns; ++column) setColumnWidth(column, column == 0 ? label : widths.node);
}

}  // namespace vn::app

