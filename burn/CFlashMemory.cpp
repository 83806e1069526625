#include "burn/CFlashMemory.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/CMyStatic.h"
#include "app/fonts.h"

namespace vn {

namespace {

QPushButton* PlainButton(const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CFlashMemory::CFlashMemory(Tester& tester, FileChooser& files, QWidget* parent)
    : QDialog(parent), tester_(tester), logic_(tester, files) {
  setWindowTitle(QStringLiteral("烧录文件"));
  setFont(app::PointFont(app::kDialogFaceName, app::kDialogPointSize));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateVersionLabel());
  layout->addWidget(CreateFileGroup());
  layout->addWidget(CreateModeGroup());
  auto* notConnected = new QLabel(QStringLiteral("未连接IC"), this);
  Register(1163, notConnected);
  notConnected->hide();  // never shown
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ShowButtons();
  progressBar_->setRange(0, 100);
  progressBar_->setValue(0);
  ShowVersion();
  connect(&progressTimer_, &QTimer::timeout, this, [this] { ShowProgress(tester_.state().burnProgress); });
  connect(&versionTimer_, &QTimer::timeout, this, [this] {
    if (tester_.connection().linkOk == 1) ShowVersion();
  });
  versionTimer_.start(kVersionTimerMs);
}

QWidget* CFlashMemory::CreateVersionLabel() {
  versionLabel_ = new app::CMyStatic(QStringLiteral("IC版本:"), this);
  versionLabel_->setAlignment(Qt::AlignCenter);
  versionLabel_->setMinimumSize(320, 48);
  Register(1169, versionLabel_);
  return versionLabel_;
}

QWidget* CFlashMemory::CreateFileGroup() {
  auto* group = new QGroupBox(QStringLiteral("文件操作"), this);
  Register(1161, group);
  pathEdit_ = new QLineEdit(group);
  pathEdit_->setReadOnly(true);
  pathEdit_->setMinimumWidth(320);
  auto* secondEdit = new QLineEdit(group);  // stays empty
  secondEdit->setReadOnly(true);
  auto* importButton = PlainButton("导入文件", group);
  auto* exportButton = PlainButton("导出文件", group);
  exportButton->setEnabled(false);  // never enabled, no action
  Register(1150, pathEdit_);
  Register(1151, secondEdit);
  Register(1152, importButton);
  Register(1153, exportButton);
  auto* grid = new QGridLayout(group);
  grid->addWidget(new QLabel(QStringLiteral("烧录文件："), group), 0, 0);
  grid->addWidget(pathEdit_, 0, 1);
  grid->addWidget(importButton, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("导出文件："), group), 1, 0);
  grid->addWidget(secondEdit, 1, 1);
  grid->addWidget(exportButton, 1, 2);
  connect(importButton, &QPushButton::clicked, this, [this] { Import(); });
  return group;
}

QWidget* CFlashMemory::CreateModeGroup() {
  auto* group = new QGroupBox(QStringLiteral("烧录方式"), this);
  Register(1162, group);
  const char* captions[] = {"手动", "自动连续", "脱机"};
  auto* radios = new QHBoxLayout;
  for (int mode = 0; mode < 3; ++mode) {
    auto* radio = new QRadioButton(QString::fromUtf8(captions[mode]), group);
    Register(1155 + mode, radio);
    radios->addWidget(radio);
    connect(radio, &QRadioButton::clicked, this, [this, mode] { ChooseMode(mode); });
  }
  radios->addStretch(1);
  static_cast<QRadioButton*>(control(1155))->setChecked(true);
  control(1157)->setEnabled(false);  // offline: never enabled
  burnOnceButton_ = PlainButton("执行一次烧录", group);
  startButton_ = PlainButton("开始烧录", group);      // no action
  updateButton_ = PlainButton("更新主板烧录文件", group);  // no action
  Register(1158, burnOnceButton_);
  Register(1159, startButton_);
  Register(1160, updateButton_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(burnOnceButton_);
  buttons->addWidget(startButton_);
  buttons->addWidget(updateButton_);
  progressBar_ = new QProgressBar(group);
  Register(1154, progressBar_);
  auto* column = new QVBoxLayout(group);
  column->addLayout(radios);
  column->addLayout(buttons);
  column->addWidget(progressBar_);
  connect(burnOnceButton_, &QPushButton::clicked, this, [this] { BurnOnce(); });
  return group;
}

void CFlashMemory::ShowVersion() {
  const VersionLabelStyle style = logic_.VersionLabel();
  versionLabel_->SetTextColour(style.textColour);
  versionLabel_->SetBackgroundColour(style.backgroundColour);
  versionLabel_->SetPointFont(style.tenthsOfPoint, QString::fromStdString(style.faceName));
  versionLabel_->setText(QString::fromStdString(style.text));
}

void CFlashMemory::ShowButtons() {
  const BurnActionButtons& b = logic_.buttons();
  burnOnceButton_->setEnabled(b.burnOnce);
  startButton_->setEnabled(b.startBurning);
  updateButton_->setEnabled(b.updateBoardFile);
}

void CFlashMemory::ChooseMode(int mode) {
  logic_.ChooseMode(mode);
  ShowButtons();
}

void CFlashMemory::Import() {
  if (!logic_.Import()) return;
  pathEdit_->setText(QString::fromStdString(logic_.burnFilePath()));
  ShowButtons();
}

void CFlashMemory::BurnOnce() {
  burnOnceButton_->setEnabled(false);
  ShowProgress(0);
  progressTimer_.start(kProgressTimerMs);
  // The burn holds the user-interface thread; the bar is repainted at once
  // after each object instead of waiting for timer 20.
  logic_.BurnOnce([this](int percent) { ShowProgress(percent); });
  burnOnceButton_->setEnabled(true);
}

void CFlashMemory::ShowProgress(int percent) {
  if (progressBar_->value() == percent) return;
  progressBar_->setValue(percent);
  if (progressBar_->isVisible()) progressBar_->repaint();
}

void CFlashMemory::closeEvent(QCloseEvent* event) {
  progressTimer_.stop();
  versionTimer_.stop();
  QDialog::closeEvent(event);
}

void CFlashMemory::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void CFlashMemory::Register(int id, QWidget* widget) {
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  controls_[id] = widget;
}

QWidget* CFlashMemory::control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

}  // namespace vn
