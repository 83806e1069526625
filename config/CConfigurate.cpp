#include "config/CConfigurate.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/fonts.h"
#include "config/CChannelCheckList.h"
#include "config/CDefineMultiKeys.h"

namespace vn {

namespace {

constexpr int kListColumnWidth = 50;
constexpr int kXListRows = 8;   // 32 items in 4 columns
constexpr int kYListRows = 13;  // 52 items in 4 columns
constexpr int kListColumns = 4;

struct EditSpec {
  int editId;
  int labelId;
  const char* label;
};

constexpr EditSpec kEdits[kConfigurateEditCount] = {
    {1026, 1045, "X有效通道数量="},  {1027, 1046, "Y有效通道数量="},  {1028, 1047, "可视区合格下限="},
    {1029, 1048, "可视区合格上限="}, {1030, 1049, "按键区合格下限="}, {1031, 1050, "按键区合格上限="},
};

std::vector<std::string> ChannelTexts(ChannelAxis axis) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < ChannelItemCount(axis); ++i) texts.push_back(ChannelItemText(axis, i));
  return texts;
}

QPushButton* PlainButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAutoDefault(false);  // Enter never presses a button of this dialog
  return button;
}

}  // namespace

CConfigurate::CConfigurate(Tester& tester, FileChooser& files, QWidget* parent)
    : QDialog(parent), tester_(tester), logic_(tester, *this, files) {
  setWindowTitle(QStringLiteral("配置参数"));
  setFont(app::PointFont(app::kDialogFaceName, app::kDialogPointSize));
  CreateControls();
  logic_.Initialise();
}

CConfigurate::~CConfigurate() = default;

void CConfigurate::CreateControls() {
  auto* top = new QHBoxLayout;
  top->addWidget(CreateBasicGroup());
  top->addWidget(CreateCriterionGroup());
  top->addWidget(CreateButtons());
  top->addStretch(1);

  auto* lists = new QGridLayout;
  const struct {
    int groupId, listId;
    const char* caption;
    ChannelAxis axis;
    ChannelList which;
    int row, column;
  } specs[] = {
      {1033, 1032, "X通道显示区域", ChannelAxis::X, ChannelList::Display, 0, 0},
      {1035, 1036, "Y通道显示区域", ChannelAxis::Y, ChannelList::Display, 1, 0},
      {1037, 1038, "可视区的X通道测试区域", ChannelAxis::X, ChannelList::VisibleArea, 0, 1},
      {1039, 1040, "可视区的Y通道测试区域", ChannelAxis::Y, ChannelList::VisibleArea, 1, 1},
      {1041, 1042, "按键区的X通道测试区域", ChannelAxis::X, ChannelList::KeyArea, 0, 2},
      {1043, 1044, "按键区的Y通道测试区域", ChannelAxis::Y, ChannelList::KeyArea, 1, 2},
  };
  for (const auto& s : specs)
    lists->addWidget(CreateListGroup(s.groupId, s.listId, s.caption, s.axis, s.which), s.row, s.column);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(lists);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* CConfigurate::CreateBasicGroup() {
  auto* group = new QGroupBox(QStringLiteral("基本参数"), this);
  Register(1034, group);
  auto* grid = new QGridLayout(group);
  for (std::size_t i = 0; i < kConfigurateEditCount; ++i) {
    auto* label = new QLabel(QString::fromUtf8(kEdits[i].label), group);
    auto* edit = new QLineEdit(group);
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    Register(kEdits[i].labelId, label);
    Register(kEdits[i].editId, edit);
    edits_[i] = edit;
    const int row = static_cast<int>(i / 2);
    const int column = static_cast<int>(i % 2) * 2;
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
  }
  // A count takes effect when its editing is finished (Enter or leaving the
  // field), not on every keystroke; a field left unchanged does nothing.
  connect(edits_[kXCountEdit], &QLineEdit::editingFinished, this, [this] { CountEditingFinished(ChannelAxis::X); });
  connect(edits_[kYCountEdit], &QLineEdit::editingFinished, this, [this] { CountEditingFinished(ChannelAxis::Y); });
  return group;
}

QWidget* CConfigurate::CreateCriterionGroup() {
  auto* group = new QGroupBox(QStringLiteral("判定依据"), this);
  Register(1053, group);
  valueRangeRadio_ = new QRadioButton(QStringLiteral("测试值上下限范围"), group);
  deviationRadio_ = new QRadioButton(QStringLiteral("样本偏差"), group);
  Register(1054, valueRangeRadio_);
  Register(1055, deviationRadio_);
  auto* column = new QVBoxLayout(group);
  column->addWidget(valueRangeRadio_);
  column->addWidget(deviationRadio_);
  connect(valueRangeRadio_, &QRadioButton::clicked, this, [this] { logic_.ChooseCriterion(0); });
  connect(deviationRadio_, &QRadioButton::clicked, this, [this] { logic_.ChooseCriterion(1); });
  return group;
}

QWidget* CConfigurate::CreateButtons() {
  auto* box = new QWidget(this);
  auto* importButton = PlainButton("导入配置", box);
  auto* exportButton = PlainButton("导出配置", box);
  multiKeyButton_ = PlainButton("定义多行按键", box);
  Register(1051, importButton);
  Register(1052, exportButton);
  Register(1059, multiKeyButton_);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(importButton);
  column->addWidget(exportButton);
  column->addWidget(multiKeyButton_);
  column->addStretch(1);
  connect(importButton, &QPushButton::clicked, this, [this] { logic_.Import(); });
  connect(exportButton, &QPushButton::clicked, this, [this] { logic_.Export(); });
  connect(multiKeyButton_, &QPushButton::clicked, this, [this] { DefineMultiKeys(); });
  return box;
}

QWidget* CConfigurate::CreateListGroup(int groupId, int listId, const char* caption, ChannelAxis axis,
                                       ChannelList which) {
  auto* group = new QGroupBox(QString::fromUtf8(caption), this);
  auto* list = new CChannelCheckList(axis == ChannelAxis::X ? kXListRows : kYListRows, kListColumns,
                                     kListColumnWidth, group);
  list->SetItems(ChannelTexts(axis));
  Register(groupId, group);
  Register(listId, list);
  lists_[{axis, which}] = list;
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(list);
  connect(list, &CChannelCheckList::checkChanged, this, [this, axis, which](int item, bool checked) {
    logic_.ListCheckChanged(axis, which, static_cast<std::size_t>(item), checked);
  });
  return group;
}

void CConfigurate::DefineMultiKeys() {
  if (!logic_.MultiKeyDefinitionAvailable()) return;
  ConfigurateState& s = logic_.state();
  CDefineMultiKeys dialog(tester_.presenter(), s.keyX, s.keyY, {s.keyMatrix, s.matrixEdited}, this);
  dialog.exec();
}

void CConfigurate::Register(int id, QWidget* widget) {
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  controls_[id] = widget;
}

QWidget* CConfigurate::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

CChannelCheckList* CConfigurate::list(ChannelAxis axis, ChannelList which) const { return lists_.at({axis, which}); }

void CConfigurate::closeEvent(QCloseEvent* event) {
  if (logic_.Close() == CloseOutcome::StaysOpen) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void CConfigurate::keyPressEvent(QKeyEvent* event) {
  // Enter would end the dialog without its close procedure and lose the
  // edits; it does nothing here. Escape takes the close box's way: an
  // imported file is already in force, so it must be checked and confirmed.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    close();
    return;
  }
  QDialog::keyPressEvent(event);
}

ConfigurateEditTexts CConfigurate::EditTexts() const {
  ConfigurateEditTexts texts;
  for (std::size_t i = 0; i < kConfigurateEditCount; ++i) texts[i] = edits_[i]->text().toStdString();
  return texts;
}

void CConfigurate::ShowMembers(const ConfigurateMembers& members) {
  const ConfigurateEditTexts texts = FormatConfigurateEdits(members);
  for (std::size_t i = 0; i < kConfigurateEditCount; ++i) {
    const QString text = QString::fromStdString(texts[i]);
    if (edits_[i]->text() != text) edits_[i]->setText(text);
  }
  valueRangeRadio_->setChecked(members.criterionChoice == 0);
  deviationRadio_->setChecked(members.criterionChoice == 1);
}

void CConfigurate::ShowChecks(const ConfigurateState& state) {
  for (const auto& [key, list] : lists_) {
    const AxisChecks& checks = key.first == ChannelAxis::X ? state.x : state.y;
    const ChannelFlags& flags = checks.List(key.second);
    for (std::size_t i = 0; i < ChannelItemCount(key.first); ++i) list->SetChecked(static_cast<int>(i), flags[i] != 0);
  }
}

void CConfigurate::SetMultiKeyButtonEnabled(bool enabled) { multiKeyButton_->setEnabled(enabled); }

void CConfigurate::CountEditingFinished(ChannelAxis axis) {
  QLineEdit* edit = edits_[axis == ChannelAxis::X ? kXCountEdit : kYCountEdit];
  if (!edit->isModified()) return;
  edit->setModified(false);
  logic_.ChannelCountEdited(axis);
}

void CConfigurate::ShowEditText(std::size_t edit, const std::string& text) {
  if (edit < edits_.size()) edits_[edit]->setText(QString::fromStdString(text));
}

void CConfigurate::FocusEdit(std::size_t edit) {
  if (edit < edits_.size()) edits_[edit]->setFocus();
}

}  // namespace vn
