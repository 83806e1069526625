#include "app/startup_script.h"

#include <cstdio>

#include <QCoreApplication>
#include <QPixmap>

#include "app/CMyUsbHidTestAppDlg.h"

namespace vn::app {

namespace {

constexpr int kTickMs = 100;

}  // namespace

StartupScriptOptions ScriptOptionsFrom(const AppOptions& options) {
  StartupScriptOptions script;
  script.configFile = options.configFile;
  script.runCount = options.runCount.value_or(0);
  script.screenshotFile = options.screenshotFile;
  return script;
}

StartupScript::StartupScript(CMyUsbHidTestAppDlg& window, StartupScriptOptions options, QObject* parent)
    : QObject(parent), window_(window), options_(std::move(options)) {
  connect(&ticker_, &QTimer::timeout, this, [this] { Tick(); });
}

void StartupScript::Start() {
  if (!options_.configFile.empty()) configFailed_ = !window_.ImportConfigurationFile(options_.configFile);
  if (configFailed_ && options_.runCount > 0)
    std::fprintf(stderr, "vn4820-tester: the configuration was not imported; no test is run\n");
  if (!configFailed_ && options_.runCount > 0 && window_.tester().state().criterionReady == 0)
    window_.ConfirmConfigurationInForce();
  if (options_.runCount <= 0 && options_.screenshotFile.empty()) return;
  phase_ = Phase::Waiting;
  ticker_.start(kTickMs);
}

bool StartupScript::BoardReady() const {
  const Tester& tester = window_.tester();
  return tester.connection().controllerReady == 1 && tester.connection().linkOk == 1;
}

void StartupScript::Tick() {
  const bool runsLeft = !configFailed_ && runsDone_ < options_.runCount;
  if (!BoardReady()) {
    waitedMs_ += kTickMs;
    if (!options_.screenshotFile.empty() && waitedMs_ >= options_.connectDeadlineMs) TakeScreenshot(false);
    return;
  }
  if (runsLeft) {
    RunOne();
    return;
  }
  if (options_.screenshotFile.empty()) {
    ticker_.stop();
    phase_ = Phase::Done;
    return;
  }
  TakeScreenshot(true);
}

void StartupScript::RunOne() {
  if (window_.busy()) return;
  window_.RunTest();
  ++runsDone_;
}

void StartupScript::TakeScreenshot(bool connected) {
  ticker_.stop();
  phase_ = Phase::Done;
  QCoreApplication::processEvents();  // the log and the repaints of the last run
  const bool saved = window_.grab().save(QString::fromStdString(options_.screenshotFile), "PNG");
  if (!connected) std::fprintf(stderr, "vn4820-tester: no test board connected; screenshot taken anyway\n");
  if (!saved) std::fprintf(stderr, "vn4820-tester: cannot write %s\n", options_.screenshotFile.c_str());
  emit finished(!saved ? 1 : connected ? 0 : 3);
}

}  // namespace vn::app
