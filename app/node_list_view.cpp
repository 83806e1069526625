#include "app/node_list_view.h"

#include <algorithm>

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace vn::app {

namespace {

// A picked row is marked in pale grey, which no fault uses (red is a failing
// value, blue a channel the self test blamed), and its cells keep their own
// text colour instead of the highlight's.
const QColor kSelectionBackground(0xD8, 0xD8, 0xD8);

class KeepCellColourDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->palette.setColor(QPalette::HighlightedText, option->palette.color(QPalette::Text));
    option->palette.setColor(QPalette::Highlight, kSelectionBackground);
  }
};

}  // namespace

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
  colours.setColor(QPalette::Highlight, kSelectionBackground);
  colours.setColor(QPalette::HighlightedText, Qt::black);
  setPalette(colours);
  setItemDelegate(new KeepCellColourDelegate(this));
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

