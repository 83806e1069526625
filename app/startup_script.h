// What the command line asks of a started window: import a configuration,
// run tests once the board is connected, render a screenshot and exit.
#pragma once

#include <optional>
#include <string>

#include <QObject>
#include <QTimer>

#include "app/app_options.h"

namespace vn::app {

class CMyUsbHidTestAppDlg;

struct StartupScriptOptions {
  std::string configFile;
  int runCount = 0;
  std::string screenshotFile;
  int connectDeadlineMs = 30000;  // with a screenshot: how long to wait for the board
};

StartupScriptOptions ScriptOptionsFrom(const AppOptions& options);

class StartupScript : public QObject {
  Q_OBJECT

 public:
  StartupScript(CMyUsbHidTestAppDlg& window, StartupScriptOptions options, QObject* parent = nullptr);

  // Called once the window is shown.
  void Start();
  bool active() const { return phase_ != Phase::Done; }
  int runsDone() const { return runsDone_; }

 signals:
  // The screenshot was written (0) or could not be (non-zero); the program ends.
  void finished(int exitCode);

 private:
  enum class Phase { Waiting, Done };

  void Tick();
  bool BoardReady() const;
  void RunOne();
  void TakeScreenshot(bool connected);

  CMyUsbHidTestAppDlg& window_;
  StartupScriptOptions options_;
  Phase phase_ = Phase::Done;
  bool configFailed_ = false;
  int runsDone_ = 0;
  int waitedMs_ = 0;
  QTimer ticker_;
};

}  // namespace vn::app
