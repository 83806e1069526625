// The menu of the main window and its commands.
#include <QMenuBar>

#include "app/CAboutDlg.h"
#include "app/CMyUsbHidTestAppDlg.h"

namespace vn::app {

void CMyUsbHidTestAppDlg::CreateMenu() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
  burnAction_ = file->addAction(QStringLiteral("烧录文件"), this, [this] { OnBurnFile(); });
  configurationAction_ = file->addAction(QStringLiteral("测试配置"), this, [this] { OnTestConfiguration(); });
  file->addSeparator();
  arrangeSampleAction_ = file->addAction(QStringLiteral("整理样本"), this, [this] { OnArrangeSample(); });
  file->addSeparator();
  exitAction_ = file->addAction(QStringLiteral("退出"), this, [this] { close(); });

  QMenu* tools = menuBar()->addMenu(QStringLiteral("工具(&T)"));
  mainInterfaceAction_ = tools->addAction(QStringLiteral("主界面控制"), this, [this] { OnMainInterfaceCommand(); });
  icInfoAction_ = tools->addAction(QStringLiteral("显示IC信息"));
  firmwareAction_ = tools->addAction(QStringLiteral("升级固件"));
  icInfoAction_->setEnabled(false);  // always greyed
  firmwareAction_->setEnabled(false);

  QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
  aboutAction_ = help->addAction(QStringLiteral("关于"), this, [this] { OnAbout(); });
}

void CMyUsbHidTestAppDlg::OnMainInterfaceCommand() {
  StopRefreshTimer();  // no automatic run while the settings are open
  OpenMainInterfaceControl();
}

void CMyUsbHidTestAppDlg::OnAbout() {
  CAboutDlg about(this);
  about.exec();
}

}  // namespace vn::app
