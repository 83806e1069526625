#include "app/CMyUsbHidTestAppApp.h"

#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "app/CMyUsbHidTestAppDlg.h"
#include "app/backend_factory.h"
#include "app/qt_translations.h"
#include "app/startup_script.h"
#include "platform/paths.h"
#include "platform/single_instance.h"

namespace vn::app {

namespace {

// Paths of the options are taken relative to the directory the program was started in.
std::string Absolute(const std::string& path) {
  return path.empty() ? path : QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

AppOptions WithAbsolutePaths(AppOptions options) {
  options.configFile = Absolute(options.configFile);
  options.screenshotFile = Absolute(options.screenshotFile);
  options.workdir = Absolute(options.workdir);
  options.sampleDir = Absolute(options.sampleDir);
  return options;
}

// With --screenshot nobody is there to answer: message boxes become lines on
// the error stream and take their first answer.
MessageResult AnswerUnattended(const MessageRequest& request) {
  std::fprintf(stderr, "vn4820-tester: [%s] %s\n", request.caption.c_str(), request.text.c_str());
  switch (request.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return MessageResult::Yes;
    default: return MessageResult::Ok;
  }
}

bool EnterWorkdir(const std::string& workdir) {
  if (workdir.empty()) return true;
  return EnsureDirectory(workdir) && QDir::setCurrent(QString::fromStdString(workdir));
}

}  // namespace

CMyUsbHidTestAppApp::CMyUsbHidTestAppApp(AppEnvironment environment) : environment_(std::move(environment)) {}

int CMyUsbHidTestAppApp::Run(const std::vector<std::string>& arguments) {
  const AppOptionsResult parsed = ParseAppOptions(arguments);
  if (!parsed.ok()) {
    std::fprintf(stderr, "vn4820-tester: %s\n%s", parsed.error.c_str(), AppUsage().c_str());
    return kExitUsage;
  }
  if (parsed.options.help) {
    std::fputs(AppUsage().c_str(), stdout);
    return kExitOk;
  }
  const SingleInstanceGuard guard(kSingleInstanceName, environment_.lockDirectory);
  if (!guard.acquired()) return kExitOk;  // a copy runs already: end silently
  return RunWindow(WithAbsolutePaths(parsed.options));
}

int CMyUsbHidTestAppApp::RunWindow(const AppOptions& options) {
  if (QCoreApplication* application = QCoreApplication::instance()) InstallQtTranslations(*application);
  BoardChoice board = ChooseBoard(options.simulate, options.simulateProfile);
  if (!board.backend) {
    std::fprintf(stderr, "vn4820-tester: %s\n", board.error.c_str());
    return kExitUsage;
  }
  if (!EnterWorkdir(options.workdir)) {
    std::fprintf(stderr, "vn4820-tester: cannot use the working directory %s\n", options.workdir.c_str());
    return kExitUsage;
  }
  MainWindowOptions windowOptions;
  windowOptions.simulatedBoard = board.simulatedBoard != nullptr;
  windowOptions.tester.appDirectory = options.workdir;
  windowOptions.tester.sampleWorkDirectory = options.sampleDir;
  windowOptions.answerer = environment_.answerer;
  windowOptions.resultsFolder = options.resultsFolder;
  windowOptions.station = options.station;
  windowOptions.askSerial = options.askSerial;
  if (!windowOptions.answerer && !options.screenshotFile.empty()) windowOptions.answerer = AnswerUnattended;
  CMyUsbHidTestAppDlg window(*board.backend, windowOptions);
  StartupScript script(window, ScriptOptionsFrom(options));
  int exitCode = kExitOk;
  QObject::connect(&script, &StartupScript::finished, &window, [&](int code) {
    exitCode = code;
    window.close();
  });
  window.show();
  script.Start();
  const int loopCode = QApplication::exec();
  return exitCode != kExitOk ? exitCode : loopCode;
}

}  // namespace vn::app
