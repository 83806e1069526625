#include "support/tester_rig.h"

#include "support/sim_fixture.h"

namespace vn::test {

MessageResult RecordingPresenter::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                              MessageButtons buttons) {
  messages.push_back({text, caption, icon, buttons});
  if (!answers.empty()) {
    const MessageResult answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel ? MessageResult::Yes
                                                                                     : MessageResult::Ok;
}

bool RecordingPresenter::Enabled(Control control) const {
  const auto it = enabled_.find(control);
  return it != enabled_.end() && it->second;
}

namespace {

std::unique_ptr<SimController> MakeController(FilmProfile profile, SimTouchController*& raw) {
  auto controller = std::make_unique<SimTouchController>(std::move(profile));
  raw = controller.get();
  return controller;
}

}  // namespace

TesterOptions FastTesterOptions(std::string workdir) {
  TesterOptions options;
  options.appDirectory = std::move(workdir);
  options.sampleWorkDirectory = options.appDirectory.empty() ? std::string() : options.appDirectory + "/samples";
  options.linkTiming = FastLinkTiming();
  options.controllerTiming = FastControllerTiming();
  return options;
}

TesterRig::TesterRig(FilmProfile profile, std::string workdir)
    : TesterRig(std::move(profile), FastTesterOptions(std::move(workdir))) {}

TesterRig::TesterRig(FilmProfile profile, TesterOptions options)
    : simController(nullptr),
      board(MakeController(std::move(profile), simController)),
      tester(board, presenter, std::move(options)) {
  tester.log().SetTimeSource([] { return LocalTimeOfDay{9, 5, 30}; });
  board.SetRecording(true);
  tester.Initialise();
  tester.OnFirstShow();
}

bool TesterRig::Connect() {
  if (tester.DiscoveryTick() == TimerRequest::None) return false;
  for (int tick = 0; tick < 3 && tester.connection().controllerReady != 1; ++tick) tester.ConnectionTick();
  return tester.connection().controllerReady == 1;
}

bool TesterRig::ConnectAndConfirm() {
  if (!Connect()) return false;
  tester.ConfirmCriterion(0);
  return tester.StartAllowed();
}

}  // namespace vn::test
