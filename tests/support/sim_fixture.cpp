#include "support/sim_fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace vn::test {

LinkTiming FastLinkTiming(std::chrono::milliseconds timeout) {
  LinkTiming timing;
  timing.answerTimeout = timeout;
  return timing;
}

ControllerTiming FastControllerTiming() {
  ControllerTiming timing;
  timing.resetPauseMs = 0;
  timing.backupPauseMs = 0;
  timing.reportAllPauseMs = 0;
  timing.settingsPauseMs = 0;
  timing.commandDelayUs = 0;
  timing.sequencePauseMs = 0;
  timing.burnChunkPauseMs = 0;
  return timing;
}

ShortDeadlines::ShortDeadlines(BoardLink& link, Controller& controller, ShortDeadline deadline)
    : link_(link), controller_(controller), linkTiming_(link.timing()), controllerTiming_(controller.timing()) {
  LinkTiming linkTiming = linkTiming_;
  linkTiming.answerTimeout = deadline.answerTimeout;
  link_.SetTiming(linkTiming);
  ControllerTiming controllerTiming = controllerTiming_;
  controllerTiming.pollTimeout = deadline.pollTimeout;
  controller_.SetTiming(controllerTiming);
}

ShortDeadlines::~ShortDeadlines() {
  link_.SetTiming(linkTiming_);
  controller_.SetTiming(controllerTiming_);
}

std::filesystem::path TestFolderPath(const std::string& tag) {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "vn4820-" + tag + "-" + std::to_string(::getpid());
  if (info != nullptr) name += std::string("-") + info->test_suite_name() + "-" + info->name();
  for (char& c : name)
    if (c == '/') c = '_';  // parameterised test names carry slashes
  return std::filesystem::temp_directory_path() / name;
}

namespace {

std::unique_ptr<SimController> MakeController(FilmProfile profile, SimTouchController*& raw) {
  auto controller = std::make_unique<SimTouchController>(std::move(profile));
  raw = controller.get();
  return controller;
}

}  // namespace

SimRig::SimRig(FilmProfile profile, LinkTiming linkTiming)
    : simController(nullptr),
      board(MakeController(std::move(profile), simController)),
      link(board, log, linkTiming),
      controller(link, log, FastControllerTiming()) {
  log.SetTimeSource([] { return LocalTimeOfDay{9, 5, 30}; });
  board.SetRecording(true);
}

bool SimRig::Connect() { return link.FindTestBoard() && link.connectionOpen(); }

std::vector<BridgeReport> SimRig::OutputReports() const {
  std::vector<BridgeReport> reports;
  for (const RecordedReport& r : board.Recorded())
    if (r.outgoing) reports.push_back(r.bytes);
  return reports;
}

std::string Hex(const BridgeReport& report, std::size_t count) {
  std::string text = HexDump(report, count);
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace vn::test
