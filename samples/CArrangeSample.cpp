#include "samples/CArrangeSample.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/fonts.h"

namespace vn {

namespace {

const QColor kListText(0, 0, 0);
const QColor kListBackground(0, 255, 255);
constexpr int kVisibleRows = 12;

const int kAbsoluteControlIds[] = {1072, 1068, 1073, 1069};
const int kPercentageControlIds[] = {1074, 1070, 1075, 1076, 1071, 1077};
// The deviation edits in exchange order.
const int kDeviationEditIds[4] = {1068, 1069, 1070, 1071};

QPushButton* PlainButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CArrangeSample::CArrangeSample(Tester& tester, FileChooser& files, QWidget* parent)
    : QDialog(parent), logic_(tester, *this, files) {
  setWindowTitle(QStringLiteral("整理样本"));
  setFont(app::PointFont(app::kDialogFaceName, app::kDialogPointSize));
  setModal(false);
  CreateList();
  auto* side = new QVBoxLayout;
  side->addWidget(CreateButtons());
  side->addWidget(CreateDeviationGroup());
  side->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(side);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(&linkTimer_, &QTimer::timeout, this, [this] { logic_.LinkTick(); });
  connect(&captureTimer_, &QTimer::timeout, this, [this] { OnCaptureTimer(); });
  logic_.Create();
  linkTimer_.start(kTimerPeriodMs);
}

void CArrangeSample::CreateList() {
  list_ = new QTableWidget(0, static_cast<int>(kSampleListColumns), this);
  Register(1057, list_);
  QStringList headings;
  int width = 0;
  for (const SampleListColumn& column : SampleListColumns()) headings << QString::fromUtf8(column.heading);
  list_->setHorizontalHeaderLabels(headings);
  for (int c = 0; c < static_cast<int>(kSampleListColumns); ++c) {
    list_->setColumnWidth(c, SampleListColumns()[static_cast<std::size_t>(c)].width);
    width += SampleListColumns()[static_cast<std::size_t>(c)].width;
  }
  list_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
  list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list_->verticalHeader()->hide();
  list_->setShowGrid(true);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  const int rowHeight = list_->verticalHeader()->defaultSectionSize();
  list_->setFixedSize(width + list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth(),
                      list_->horizontalHeader()->sizeHint().height() + kVisibleRows * rowHeight +
                          2 * list_->frameWidth());
}

QWidget* CArrangeSample::CreateButtons() {
  auto* box = new QWidget(this);
  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  const struct {
    int id;
    const char* caption;
  } buttons[] = {{1063, "获取一个样本"}, {1061, "生成平均样本"}, {1060, "清空列表"},
                 {1078, "使用选中样本"}, {1064, "导入样本文件"}, {1062, "导出样本文件"}};
  for (const auto& b : buttons) {
    auto* button = PlainButton(b.caption, box);
    Register(b.id, button);
    column->addWidget(button);
  }
  selectAll_ = new QCheckBox(QStringLiteral("全选"), box);
  Register(1079, selectAll_);
  column->addWidget(selectAll_);

  connect(static_cast<QPushButton*>(control(1063)), &QPushButton::clicked, this, [this] { Capture(); });
  connect(static_cast<QPushButton*>(control(1061)), &QPushButton::clicked, this, [this] { logic_.Average(); });
  connect(static_cast<QPushButton*>(control(1060)), &QPushButton::clicked, this, [this] { logic_.Clear(); });
  connect(static_cast<QPushButton*>(control(1078)), &QPushButton::clicked, this, [this] { logic_.UseSelected(); });
  connect(static_cast<QPushButton*>(control(1064)), &QPushButton::clicked, this, [this] { logic_.Import(); });
  connect(static_cast<QPushButton*>(control(1062)), &QPushButton::clicked, this, [this] { logic_.Export(); });
  connect(selectAll_, &QCheckBox::clicked, this, [this](bool checked) { logic_.SelectAll(checked); });
  return box;
}

QWidget* CArrangeSample::CreateDeviationGroup() {
  auto* group = new QGroupBox(QStringLiteral("设置测试标准"), this);
  Register(1065, group);
  absoluteRadio_ = new QRadioButton(QStringLiteral("绝对偏差"), group);
  percentageRadio_ = new QRadioButton(QStringLiteral("偏差百分比"), group);
  Register(1066, absoluteRadio_);
  Register(1067, percentageRadio_);
  auto* radios = new QButtonGroup(group);
  radios->addButton(absoluteRadio_);
  radios->addButton(percentageRadio_);
  const struct {
    int id;
    const char* text;
  } labels[] = {{1072, "偏差下限= -"}, {1073, "偏差上限="}, {1074, "偏差下限= -"},
                {1075, "%"},           {1076, "偏差上限="}, {1077, "%"}};
  for (const auto& l : labels) Register(l.id, new QLabel(QString::fromUtf8(l.text), group));
  for (std::size_t i = 0; i < 4; ++i) {
    deviationEdits_[i] = new QLineEdit(group);
    deviationEdits_[i]->setFixedWidth(deviationEdits_[i]->fontMetrics().horizontalAdvance(QStringLiteral("-0000000")) + 16);
    Register(kDeviationEditIds[i], deviationEdits_[i]);
  }
  auto* grid = new QGridLayout(group);
  grid->addWidget(absoluteRadio_, 0, 0, 1, 3);
  grid->addWidget(control(1072), 1, 0);
  grid->addWidget(control(1068), 1, 1);
  grid->addWidget(control(1073), 2, 0);
  grid->addWidget(control(1069), 2, 1);
  grid->addWidget(percentageRadio_, 3, 0, 1, 3);
  grid->addWidget(control(1074), 4, 0);
  grid->addWidget(control(1070), 4, 1);
  grid->addWidget(control(1075), 4, 2);
  grid->addWidget(control(1076), 5, 0);
  grid->addWidget(control(1071), 5, 1);
  grid->addWidget(control(1077), 5, 2);
  connect(absoluteRadio_, &QRadioButton::clicked, this, [this] { logic_.ChooseDeviationMethod(kAbsoluteDeviation); });
  connect(percentageRadio_, &QRadioButton::clicked, this,
          [this] { logic_.ChooseDeviationMethod(kPercentageDeviation); });
  return group;
}

void CArrangeSample::Capture() {
  if (logic_.Capture() != CaptureStart::Requested) return;
  emit captureTimerRequested();
  captureTimer_.start(kTimerPeriodMs);
}

void CArrangeSample::OnCaptureTimer() {
  if (logic_.CaptureFinished()) captureTimer_.stop();
}

void CArrangeSample::StoreCapturedSample(const RunOutcome& outcome) { logic_.StoreCapturedSample(outcome); }

void CArrangeSample::ShowCentredOver(QWidget* window) {
  adjustSize();
  if (window != nullptr) move(window->frameGeometry().center() - rect().center());
  logic_.LinkTick();
  linkTimer_.start(kTimerPeriodMs);  // the capture button follows the board while the dialog is shown
  show();
  raise();
  activateWindow();
}

void CArrangeSample::closeEvent(QCloseEvent* event) {
  logic_.Close();
  linkTimer_.stop();
  QDialog::closeEvent(event);  // hidden, not destroyed: the list stays for the next showing
}

void CArrangeSample::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CArrangeSample::InsertRow(std::size_t row, const SampleRowTexts& texts) {
  const int r = static_cast<int>(row);
  list_->insertRow(r);
  for (int c = 0; c < static_cast<int>(kSampleListColumns); ++c) {
    auto* item = new QTableWidgetItem(QString::fromStdString(texts[static_cast<std::size_t>(c)]));
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(kListText);
    item->setBackground(kListBackground);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | (c == 0 ? Qt::ItemIsUserCheckable : Qt::NoItemFlags));
    if (c == 0) item->setCheckState(Qt::Unchecked);
    list_->setItem(r, c, item);
  }
}

void CArrangeSample::RemoveAllRows() { list_->setRowCount(0); }

std::size_t CArrangeSample::RowCount() const { return static_cast<std::size_t>(list_->rowCount()); }

bool CArrangeSample::RowTicked(std::size_t row) const {
  const QTableWidgetItem* item = list_->item(static_cast<int>(row), 0);
  return item != nullptr && item->checkState() == Qt::Checked;
}

void CArrangeSample::SetRowTicked(std::size_t row, bool ticked) {
  if (QTableWidgetItem* item = list_->item(static_cast<int>(row), 0)) item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
}

DeviationEditTexts CArrangeSample::DeviationTexts() const {
  DeviationEditTexts texts;
  for (std::size_t i = 0; i < 4; ++i) texts[i] = deviationEdits_[i]->text().toStdString();
  return texts;
}

int CArrangeSample::DeviationMethodChoice() const {
  if (absoluteRadio_->isChecked()) return kAbsoluteDeviation;
  if (percentageRadio_->isChecked()) return kPercentageDeviation;
  return -1;
}

void CArrangeSample::ShowDeviation(const DeviationSettings& settings) {
  QButtonGroup* radios = absoluteRadio_->group();
  radios->setExclusive(false);  // a stored method other than 0 and 1 checks neither
  absoluteRadio_->setChecked(settings.DeviationMethod == kAbsoluteDeviation);
  percentageRadio_->setChecked(settings.DeviationMethod == kPercentageDeviation);
  radios->setExclusive(true);
  const DeviationEditTexts texts = FormatDeviationEdits(settings);
  for (std::size_t i = 0; i < 4; ++i) deviationEdits_[i]->setText(QString::fromStdString(texts[i]));
}

void CArrangeSample::FocusDeviationEdit(std::size_t edit) {
  if (edit < deviationEdits_.size()) deviationEdits_[edit]->setFocus();
}

void CArrangeSample::SetEnabled(ArrangeSampleControl which, bool enabled) {
  const auto enable = [&](int id) { control(id)->setEnabled(enabled); };
  switch (which) {
    case ArrangeSampleControl::CaptureButton: enable(1063); break;
    case ArrangeSampleControl::AverageButton: enable(1061); break;
    case ArrangeSampleControl::ClearButton: enable(1060); break;
    case ArrangeSampleControl::UseButton: enable(1078); break;
    case ArrangeSampleControl::ImportButton: enable(1064); break;
    case ArrangeSampleControl::ExportButton: enable(1062); break;
    case ArrangeSampleControl::SelectAllBox: enable(1079); break;
    case ArrangeSampleControl::AbsoluteControls:
      for (const int id : kAbsoluteControlIds) enable(id);
      break;
    case ArrangeSampleControl::PercentageControls:
      for (const int id : kPercentageControlIds) enable(id);
      break;
  }
}

void CArrangeSample::ShowSelectAll(bool ticked, const std::string& caption) {
  selectAll_->setChecked(ticked);
  selectAll_->setText(QString::fromStdString(caption));
}

void CArrangeSample::Register(int id, QWidget* widget) {
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  controls_[id] = widget;
}

QWidget* CArrangeSample::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

}  // namespace vn
