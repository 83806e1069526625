// The multi-row key dialog "定义多行按键": a grid of check boxes, one column
// per key X channel and eight rows, under column headings naming the key X
// channels and beside row headings naming the key Y channels. An accepted
// close writes the definition back into the configuration dialog's key
// matrix; Escape ends it without writing anything.
#pragma once

#include <QDialog>

#include <map>
#include <vector>

#include "config/multi_key_grid.h"
#include "platform/presenter.h"

class QCheckBox;
class QLabel;

namespace vn {

class CDefineMultiKeys : public QDialog {
  Q_OBJECT

 public:
  CDefineMultiKeys(Presenter& presenter, const KeyChannels& keyX, const KeyChannels& keyY, KeyMatrixTarget target,
                   QWidget* parent = nullptr);

  // Cell x * 8 + y.
  QCheckBox* cell(std::size_t index) const;
  // Headings 1081 .. 1088 (columns) and 1089 .. 1096 (rows), 1097 the instruction.
  QLabel* heading(int id) const;
  const MultiKeyGrid& grid() const { return grid_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void CreateControls();
  void ShowHeadings();
  void OnCellToggled(std::size_t index, bool checked);
  void ShowCells();

  Presenter& presenter_;
  KeyMatrixTarget target_;
  MultiKeyGrid grid_;
  std::vector<QCheckBox*> cells_;
  std::map<int, QLabel*> headings_;
  bool updating_ = false;
};

}  // namespace vn
