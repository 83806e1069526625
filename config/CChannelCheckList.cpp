#include "config/CChannelCheckList.h"

#include <algorithm>

#include <QFontMetrics>
#include <QStyle>

namespace vn {

CChannelCheckList::CChannelCheckList(int rowsPerColumn, int visibleColumns, int columnWidth, QWidget* parent)
    : QListWidget(parent) {
  setViewMode(QListView::ListMode);
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
  const int rowHeight = std::max(fontMetrics().height(), indicator) + 4;
  setGridSize(QSize(columnWidth, rowHeight));
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  const int frame = 2 * frameWidth();
  const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  setFixedSize(visibleColumns * columnWidth + frame + 2, rowsPerColumn * rowHeight + frame + scrollBar + 2);
  connect(this, &QListWidget::itemChanged, this, &CChannelCheckList::OnItemChanged);
}

void CChannelCheckList::SetItems(const std::vector<std::string>& texts) {
  updating_ = true;
  clear();
  checks_.assign(texts.size(), false);
  for (const std::string& text : texts) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  updating_ = false;
}

void CChannelCheckList::SetChecked(int index, bool checked) {
  QListWidgetItem* it = item(index);
  if (it == nullptr) return;
  updating_ = true;
  checks_[static_cast<std::size_t>(index)] = checked;
  it->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  updating_ = false;
}

bool CChannelCheckList::IsChecked(int index) const {
  const QListWidgetItem* it = item(index);
  return it != nullptr && it->checkState() == Qt::Checked;
}

void CChannelCheckList::OnItemChanged(QListWidgetItem* changed) {
  if (updating_) return;
  const int index = row(changed);
  if (index < 0 || static_cast<std::size_t>(index) >= checks_.size()) return;
  const bool checked = changed->checkState() == Qt::Checked;
  if (checks_[static_cast<std::size_t>(index)] == checked) return;  // text, selection: no check change
  checks_[static_cast<std::size_t>(index)] = checked;
  emit checkChanged(index, checked);
}

}  // namespace vn
