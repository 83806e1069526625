#include "app/node_grid_model.h"

#include <QBrush>
#include <QColor>

namespace vn::app {

namespace {

QColor ToColor(CellColour colour) {
  switch (colour) {
    case CellColour::Red: return QColor(255, 0, 0);
    case CellColour::Blue: return QColor(0, 0, 255);
    case CellColour::Black: break;
  }
  return QColor(0, 0, 0);
}

}  // namespace

NodeGridModel::NodeGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void NodeGridModel::SetGrid(NodeGrid grid) {
  const bool sameShape = grid.xChannels() == grid_.xChannels() && grid.yChannels() == grid_.yChannels();
  if (!sameShape) beginResetModel();
  grid_ = std::move(grid);
  if (!sameShape) {
    endResetModel();
    return;
  }
  if (rowCount() > 0 && columnCount() > 1) emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1));
}

void NodeGridModel::SetColourRule(ColourRule rule) {
  colourRule_ = std::move(rule);
  NotifyColoursChanged();
}

void NodeGridModel::NotifyColoursChanged() {
  if (rowCount() > 0 && columnCount() > 1)
    emit dataChanged(index(0, 1), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
}

CellColour NodeGridModel::ColourAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= grid_.xChannels() || y >= grid_.yChannels()) return CellColour::Black;
  const NodeCell& cell = grid_.Cell(x, y);
  if (!cell.filled || !colourRule_) return CellColour::Black;
  return colourRule_(x, y, cell.value);
}

int NodeGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.yChannels(); }

int NodeGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || grid_.yChannels() == 0 ? 0 : grid_.xChannels() + 1;
}

QVariant NodeGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::BackgroundRole) return QBrush(Qt::white);
  if (index.column() == 0) {
    if (role == Qt::DisplayRole) return QString::fromStdString(RowLabel(index.row()));
    if (role == Qt::ForegroundRole) return QBrush(Qt::black);
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
  }
  return NodeData(index.column() - 1, index.row(), role);
}

QVariant NodeGridModel::NodeData(int x, int y, int role) const {
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdString(grid_.Cell(x, y).text);
    case Qt::ForegroundRole: return QBrush(ToColor(ColourAt(x, y)));
    case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
    default: return {};
  }
}

void NodeGridModel::SetTitle(const QString& title) {
  title_ = title;
  emit headerDataChanged(Qt::Horizontal, 0, 0);
}

QVariant NodeGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (section == 0 && !title_.isEmpty() && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) return title_;
  if (role == Qt::DisplayRole) return QString::fromStdString(ColumnHeader(section));
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
  return {};
}

}  // namespace vn::app
