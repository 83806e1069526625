#include "support/sim_fixture.h"

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
  timing.pollTimeout = std::chrono::milliseconds(300);
  return timing;
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
