#include "config/CDefineMultiKeys.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "app/fonts.h"

namespace vn {

namespace {

constexpr int kFirstColumnHeading = 1081;
constexpr int kFirstRowHeading = 1089;
constexpr int kInstruction = 1097;
constexpr int kCellWidth = 32;

}  // namespace

CDefineMultiKeys::CDefineMultiKeys(Presenter& presenter, const KeyChannels& keyX, const KeyChannels& keyY,
                                   KeyMatrixTarget target, QWidget* parent)
    : QDialog(parent), presenter_(presenter), target_(target), grid_(keyX, keyY, target.matrix) {
  setWindowTitle(QStringLiteral("定义多行按键"));
  setFont(app::PointFont(app::kDialogFaceName, app::kDialogPointSize));
  CreateControls();
  ShowHeadings();
  ShowCells();
  // Cells left checked in rows the sheet no longer has are refused at once.
  grid_.RefuseInvalidCells(presenter_);
  ShowCells();
}

void CDefineMultiKeys::CreateControls() {
  auto* instruction = new QLabel(QStringLiteral("请在下面有效区域打勾，选择按键所在的节点："), this);
  headings_[kInstruction] = instruction;

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(0);
  for (int x = 0; x < static_cast<int>(kMultiKeyRows); ++x) {
    auto* label = new QLabel(QStringLiteral("X%1").arg(x, 2, 10, QLatin1Char('0')), this);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(kCellWidth);
    headings_[kFirstColumnHeading + x] = label;
    grid->addWidget(label, 0, x + 1);
  }
  for (int y = 0; y < static_cast<int>(kMultiKeyRows); ++y) {
    auto* label = new QLabel(QStringLiteral("Y%1").arg(y, 2, 10, QLatin1Char('0')), this);
    headings_[kFirstRowHeading + y] = label;
    grid->addWidget(label, y + 1, 0);
  }
  for (std::size_t index = 0; index < grid_.cellCount(); ++index) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("cell%1").arg(index));
    cells_.push_back(box);
    const int column = static_cast<int>(index / kMultiKeyRows);
    const int row = static_cast<int>(index % kMultiKeyRows);
    grid->addWidget(box, row + 1, column + 1, Qt::AlignCenter);
    connect(box, &QCheckBox::toggled, this, [this, index](bool checked) { OnCellToggled(index, checked); });
  }
  for (auto& [id, label] : headings_) label->setObjectName(QStringLiteral("control%1").arg(id));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(instruction);
  layout->addLayout(grid);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDefineMultiKeys::ShowHeadings() {
  const std::vector<std::string> columns = grid_.ColumnHeadings();
  for (std::size_t x = 0; x < kMultiKeyRows; ++x) {
    QLabel* label = headings_.at(kFirstColumnHeading + static_cast<int>(x));
    label->setVisible(x < grid_.columns());
    if (x < columns.size()) label->setText(QString::fromStdString(columns[x]));
  }
  const auto rows = grid_.RowHeadings();
  for (std::size_t y = 0; y < kMultiKeyRows; ++y) {
    QLabel* label = headings_.at(kFirstRowHeading + static_cast<int>(y));
    label->setVisible(rows[y].has_value());
    if (rows[y]) label->setText(QString::fromStdString(*rows[y]));
  }
}

void CDefineMultiKeys::ShowCells() {
  updating_ = true;
  for (std::size_t index = 0; index < cells_.size(); ++index) cells_[index]->setChecked(grid_.Checked(index));
  updating_ = false;
}

void CDefineMultiKeys::OnCellToggled(std::size_t index, bool checked) {
  if (updating_) return;
  grid_.SetChecked(index, checked);
  if (!grid_.RefuseInvalidCells(presenter_).empty()) ShowCells();
}

QCheckBox* CDefineMultiKeys::cell(std::size_t index) const { return index < cells_.size() ? cells_[index] : nullptr; }

QLabel* CDefineMultiKeys::heading(int id) const {
  const auto it = headings_.find(id);
  return it == headings_.end() ? nullptr : it->second;
}

void CDefineMultiKeys::closeEvent(QCloseEvent* event) {
  if (grid_.Close(target_, presenter_) == MultiKeyGrid::CloseOutcome::StaysOpen) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CDefineMultiKeys::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace vn
