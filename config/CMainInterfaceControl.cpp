#include "config/CMainInterfaceControl.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/fonts.h"

namespace vn {

namespace {

struct LimitSpec {
  int editId;
  int labelId;
  const char* label;
};

// In exchange order: 1175, 1174, 1173, 1172.
constexpr LimitSpec kLimits[4] = {
    {1175, 1179, "按键区合格差值上限"},
    {1174, 1178, "按键区合格差值下限"},
    {1173, 1177, "可视区合格差值上限"},
    {1172, 1176, "可视区合格差值下限"},
};

// Shown top to bottom: visible area lower, upper, key area lower, upper.
constexpr std::size_t kDisplayOrder[4] = {kVaDiffLowerEdit, kVaDiffUpperEdit, kKeyDiffLowerEdit, kKeyDiffUpperEdit};

}  // namespace

CMainInterfaceControl::CMainInterfaceControl(Tester& tester, QWidget* parent) : QDialog(parent), tester_(tester) {
  setWindowTitle(QStringLiteral("主界面控制"));
  setFont(app::PointFont(app::kDialogFaceName, app::kDialogPointSize));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateRepetitionGroup());
  layout->addWidget(CreateDifferenceGroup());
  layout->addWidget(CreateSheetGroup());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Initialise();
}

QWidget* CMainInterfaceControl::CreateRepetitionGroup() {
  auto* group = new QGroupBox(QStringLiteral("数据区属性"), this);
  repetitionBox_ = new QCheckBox(QStringLiteral("自动刷新，时间间隔"), group);
  intervalList_ = new QComboBox(group);
  for (const char* item : kRefreshIntervalItems) intervalList_->addItem(QString::fromUtf8(item));
  unitLabel_ = new QLabel(QStringLiteral("毫秒"), group);
  Register(1167, group);
  Register(1165, repetitionBox_);
  Register(1166, intervalList_);
  Register(1168, unitLabel_);
  auto* row = new QHBoxLayout(group);
  row->addWidget(repetitionBox_);
  row->addWidget(intervalList_);
  row->addWidget(unitLabel_);
  row->addStretch(1);
  connect(repetitionBox_, &QCheckBox::clicked, this, [this](bool checked) {
    tester_.state().autoRefreshEnabled = checked ? 1 : 0;
    EnableRepetitionControls(checked);
  });
  connect(intervalList_, &QComboBox::currentIndexChanged, this,
          [this](int index) { tester_.state().refreshIntervalIndex = index; });
  return group;
}

QWidget* CMainInterfaceControl::CreateDifferenceGroup() {
  auto* group = new QGroupBox(QStringLiteral("附加的判定依据"), this);
  differenceBox_ = new QCheckBox(QStringLiteral("添加差值判定"), group);
  Register(1170, group);
  Register(1171, differenceBox_);
  auto* grid = new QGridLayout(group);
  grid->addWidget(differenceBox_, 0, 0, 1, 2);
  for (std::size_t i = 0; i < 4; ++i) {
    labels_[i] = new QLabel(QString::fromUtf8(kLimits[i].label), group);
    edits_[i] = new QLineEdit(group);
    edits_[i]->setFixedWidth(edits_[i]->fontMetrics().horizontalAdvance(QStringLiteral("-000000")) + 16);
    Register(kLimits[i].labelId, labels_[i]);
    Register(kLimits[i].editId, edits_[i]);
  }
  for (int row = 0; row < 4; ++row) {
    const std::size_t i = kDisplayOrder[row];
    grid->addWidget(labels_[i], row + 1, 0);
    grid->addWidget(edits_[i], row + 1, 1);
  }
  connect(differenceBox_, &QCheckBox::clicked, this, [this](bool checked) {
    tester_.state().diffCriterionEnabled = checked ? 1 : 0;
    EnableDifferenceControls(checked);
  });
  return group;
}

QWidget* CMainInterfaceControl::CreateSheetGroup() {
  auto* group = new QGroupBox(QStringLiteral("功能片类型"), this);
  gffRadio_ = new QRadioButton(QStringLiteral("GFF /GG /PG"), group);
  ogsRadio_ = new QRadioButton(QStringLiteral("OGS /单层多点"), group);
  Register(1182, group);
  Register(1180, gffRadio_);
  Register(1181, ogsRadio_);
  auto* row = new QHBoxLayout(group);
  row->addWidget(gffRadio_);
  row->addWidget(ogsRadio_);
  row->addStretch(1);
  return group;
}

void CMainInterfaceControl::Initialise() {
  const MainWindowState& s = tester_.state();
  repetitionBox_->setChecked(s.autoRefreshEnabled != 0);
  EnableRepetitionControls(s.autoRefreshEnabled != 0);
  intervalList_->setCurrentIndex(s.refreshIntervalIndex);
  differenceBox_->setChecked(s.diffCriterionEnabled != 0);
  EnableDifferenceControls(s.diffCriterionEnabled != 0);
  members_ = MembersFromState(s);
  const MainInterfaceEditTexts texts = FormatMainInterfaceEdits(members_);
  for (std::size_t i = 0; i < 4; ++i) edits_[i]->setText(QString::fromStdString(texts[i]));
  (members_.sheetChoice == 1 ? ogsRadio_ : gffRadio_)->setChecked(true);
}

void CMainInterfaceControl::EnableRepetitionControls(bool enabled) {
  intervalList_->setEnabled(enabled);
  unitLabel_->setEnabled(enabled);
}

void CMainInterfaceControl::EnableDifferenceControls(bool enabled) {
  for (std::size_t i = 0; i < 4; ++i) {
    labels_[i]->setEnabled(enabled);
    edits_[i]->setEnabled(enabled);
  }
}

MainInterfaceEditTexts CMainInterfaceControl::EditTexts() const {
  MainInterfaceEditTexts texts;
  for (std::size_t i = 0; i < 4; ++i) texts[i] = edits_[i]->text().toStdString();
  return texts;
}

void CMainInterfaceControl::closeEvent(QCloseEvent* event) {
  members_.sheetChoice = ogsRadio_->isChecked() ? 1 : 0;
  if (const auto edit = CloseMainInterfaceControl(tester_, EditTexts(), members_, *this)) {
    event->ignore();  // stays open on the entry to correct
    edits_[*edit]->setFocus();
    edits_[*edit]->selectAll();
    return;
  }
  QDialog::closeEvent(event);
}

void CMainInterfaceControl::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CMainInterfaceControl::Register(int id, QWidget* widget) {
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  controls_[id] = widget;
}

QWidget* CMainInterfaceControl::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

}  // namespace vn
