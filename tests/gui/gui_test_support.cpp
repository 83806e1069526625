#include "gui_test_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>

#include "app/node_grid_model.h"

namespace vn::gui_test {

namespace {

std::unique_ptr<SimController> MakeController(const std::string& profile, SimTouchController*& raw) {
  auto controller = std::make_unique<SimTouchController>(Profile(profile));
  raw = controller.get();
  return controller;
}

QString Cell(const app::NodeGridModel& model, int x, int y) {
  return model.data(model.index(y, x + 1), Qt::DisplayRole).toString();
}

}  // namespace

TesterOptions FastTesterOptions(const std::string& workdir) {
  TesterOptions options;
  options.appDirectory = workdir;
  options.sampleWorkDirectory = workdir + "/samples";
  // No pauses, but the production deadlines: a healthy exchange never
  // depends on the machine not pausing.
  options.controllerTiming.resetPauseMs = 0;
  options.controllerTiming.backupPauseMs = 0;
  options.controllerTiming.reportAllPauseMs = 0;
  options.controllerTiming.settingsPauseMs = 0;
  options.controllerTiming.sequencePauseMs = 0;
  return options;
}

FilmProfile Profile(const std::string& name) {
  std::optional<FilmProfile> profile = BuiltInProfile(name);
  return profile ? *profile : FilmProfile{};
}

WindowRig::WindowRig(const std::string& profile, bool plugged,
                     const std::function<void(app::MainWindowOptions&)>& adjust)
    : board_(MakeController(profile, controller_)) {
  if (!plugged) board_.Unplug();
  app::MainWindowOptions options;
  options.simulatedBoard = true;
  options.tester = FastTesterOptions(workdir.path().toStdString());
  options.answerer = [this](const app::MessageRequest& request) {
    messages.push_back(request);
    if (!answers.empty()) {
      const MessageResult answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return request.buttons == MessageButtons::YesNo || request.buttons == MessageButtons::YesNoCancel
               ? MessageResult::Yes
               : MessageResult::Ok;
  };
  if (adjust) adjust(options);
  window_ = std::make_unique<app::CMyUsbHidTestAppDlg>(board_, std::move(options));
}

WindowRig::~WindowRig() {
  if (window_ && window_->isVisible()) window_->close();
  window_.reset();
}

bool WindowRig::Show() {
  window_->show();
  return QTest::qWaitForWindowExposed(window_.get()) && WaitFor([this] { return window_->firstLayoutDone(); });
}

bool WindowRig::WaitConnected(int timeoutMs) {
  return WaitFor([this] { return tester().connection().controllerReady == 1 && tester().connection().linkOk == 1; },
                 timeoutMs);
}

bool WindowRig::ShowConnectAndConfirm() {
  if (!Show() || !WaitConnected()) return false;
  window_->ConfirmConfigurationInForce();
  return tester().StartAllowed();
}

QString WindowRig::LogText() {
  QCoreApplication::processEvents();
  return window_->logBox()->toPlainText();
}

bool WindowRig::LogHasLine(const QString& line) { return LogText().split(QLatin1Char('\n')).contains(line); }

QString WindowRig::ValueCellText(int x, int y) const { return Cell(*window_->valueModel(), x, y); }

QString WindowRig::DifferenceCellText(int x, int y) const { return Cell(*window_->differenceModel(), x, y); }

bool WaitForImpl(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QTest::qWait(10);
  }
  return true;
}

}  // namespace vn::gui_test
