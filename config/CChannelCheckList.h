// A list of check boxes laid out in columns of a fixed number of rows, each
// column a fixed number of pixels wide: the channel lists of the
// configuration dialog. It reports the operator's check changes only;
// changes made through SetChecked stay silent.
#pragma once

#include <QListWidget>

#include <string>
#include <vector>

namespace vn {

class CChannelCheckList : public QListWidget {
  Q_OBJECT

 public:
  CChannelCheckList(int rowsPerColumn, int visibleColumns, int columnWidth, QWidget* parent = nullptr);

  void SetItems(const std::vector<std::string>& texts);
  void SetChecked(int item, bool checked);
  bool IsChecked(int item) const;

 signals:
  void checkChanged(int item, bool checked);

 private:
  void OnItemChanged(QListWidgetItem* item);

  std::vector<bool> checks_;
  bool updating_ = false;
};

}  // namespace vn
