#include "app/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/main_window_state.h"

#ifndef VN_VERSION
#define VN_VERSION "0.0.0"
#endif

namespace vn::app {

QString AboutNotice() {
  return QString::fromUtf8(kApplicationTitle) + QStringLiteral(" V") + QStringLiteral(VN_VERSION) +
         QStringLiteral("\n\n双层功能片生产测试：节点原始值、按键区与自检判定。\n"
                        "仅供产线测试使用。");
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent), notice_(new QLabel(AboutNotice(), this)), okButton_(new QPushButton(QStringLiteral("确定"), this)) {
  setWindowTitle(QStringLiteral("关于VN4820功能片测试软件"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notice_);
  layout->addLayout(buttons);
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vn::app
