// Input reports as the board might send them, handled with an object table:
// the first 64 bytes are the controller's table region, the rest a stream of
// 64-byte input reports fed through the link to a tester on the simulated board.
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "engine/self_test.h"
#include "engine/tester.h"
#include "sim/simulated_board.h"
#include "sim/sim_touch_controller.h"

namespace {

struct Rig {
  Rig() : board(std::make_unique<vn::SimTouchController>()), tester(board, presenter, Options()) {
    tester.DiscoveryTick();
    tester.ConnectionTick();
  }
  static vn::TesterOptions Options() {
    vn::TesterOptions options;
    options.appDirectory = "/tmp";
    options.sampleWorkDirectory = "/tmp";
    options.linkTiming.answerTimeout = std::chrono::milliseconds(5);
    return options;
  }
  vn::SimulatedBoard board;
  vn::NullPresenter presenter;
  vn::Tester tester;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Rig rig;
  // Self-test decoding of any report, on this thread.
  for (std::size_t at = 0; at + vn::kReportSize <= size; at += vn::kReportSize) {
    vn::BridgeReport report{};
    std::copy_n(data + at, vn::kReportSize, report.begin());
    vn::RunState run;
    vn::DecodeSelfTestMessage(report, run, rig.tester.log());
    rig.board.PushInputReport(report, 1 + data[at] % vn::kReportSize);
  }
  rig.tester.ProcessForwardedMessages();
  rig.tester.log().Clear();
  return 0;
}
