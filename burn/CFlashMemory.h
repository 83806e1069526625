// The burn dialog "烧录文件": the controller's version, the ".xcfg" file to
// burn, the burn mode and "执行一次烧录" with its progress bar. Timer 21
// refreshes the version while the link is up; timer 20 copies the burn
// progress into the bar once a burn has started.
#pragma once

#include <QDialog>
#include <QTimer>

#include <map>

#include "burn/flash_memory_logic.h"
#include "engine/tester.h"
#include "platform/file_chooser.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace vn {

namespace app {
class CMyStatic;
}

class CFlashMemory : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kProgressTimerMs = 10;  // timer 20
  static constexpr int kVersionTimerMs = 200;  // timer 21

  CFlashMemory(Tester& tester, FileChooser& files, QWidget* parent = nullptr);

  QWidget* control(int id) const;
  app::CMyStatic* versionLabel() const { return versionLabel_; }
  QProgressBar* progressBar() const { return progressBar_; }
  const FlashMemoryLogic& logic() const { return logic_; }
  bool progressTimerActive() const { return progressTimer_.isActive(); }
  bool versionTimerActive() const { return versionTimer_.isActive(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* CreateVersionLabel();
  QWidget* CreateFileGroup();
  QWidget* CreateModeGroup();
  void ShowVersion();
  void ShowButtons();
  void ChooseMode(int mode);
  void Import();
  void BurnOnce();
  void ShowProgress(int percent);
  void Register(int id, QWidget* widget);

  Tester& tester_;
  FlashMemoryLogic logic_;
  app::CMyStatic* versionLabel_ = nullptr;
  QLineEdit* pathEdit_ = nullptr;
  QProgressBar* progressBar_ = nullptr;
  QPushButton* burnOnceButton_ = nullptr;
  QPushButton* startButton_ = nullptr;
  QPushButton* updateButton_ = nullptr;
  std::map<int, QWidget*> controls_;
  QTimer progressTimer_;  // 20
  QTimer versionTimer_;   // 21
};

}  // namespace vn
