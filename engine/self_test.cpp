#include "engine/self_test.h"

#include "platform/format.h"

namespace vn {

namespace {

constexpr std::uint8_t kSelfTestCode = 0x12;
constexpr std::uint8_t kAllPinsNormal = 0xFE;
constexpr std::size_t kDumpedBytes = 16;

bool WaitUntilFinished(Controller& controller) {
  const auto deadline = controller.PollDeadline();
  for (;;) {
    if (!controller.ReadSelfTestObject()) return false;
    if (controller.selfTestMirror()[1] != kSelfTestCode) return true;
    if (controller.PollExpired(deadline, "控制器自检超时")) return false;
  }
}

bool WaitForResultMessage(Controller& controller) {
  const auto deadline = controller.PollDeadline();
  for (;;) {
    if (!controller.ReadMessage()) return false;
    if (controller.table().MessageFromType(controller.messageMirror()[0], object_type::kSelfTest)) return true;
    if (controller.PollExpired(deadline, "控制器自检无结果")) return false;
  }
}

}  // namespace

const char* SelfTestFaultText(std::uint8_t kind) {
  switch (kind) {
    case 1: return "通道对VDD短路，";
    case 2: return "通道对GND短路，";
    case 3:
    case 4:
    case 5: return "通道之间短路，";
    case 6: return "相邻通道阻抗过低，";
    default: return "通道异常，";
  }
}

bool RunSelfTest(Controller& controller, RunState& run, OperatorLog& log) {
  if (!controller.SelfTestCommand(kSelfTestCode)) return false;
  if (!WaitUntilFinished(controller) || !WaitForResultMessage(controller)) return false;
  DecodeSelfTestMessage(controller.answer(), run, log);
  return true;
}

void DecodeSelfTestMessage(const BridgeReport& report, RunState& run, OperatorLog& log) {
  const std::uint8_t code = report[4];
  if (code == kAllPinsNormal) {
    run.selfTestPassed = 1;
    log.Append("引脚正常");
    return;
  }
  if (code == 0x11 || code == 0x12) {
    run.filmNg = 1;
    run.selfTestPassed = 0;
    run.selfTestText = SelfTestFaultText(report[5]);
    run.selfTestFaultX = report[6];
    run.selfTestFaultY = report[7];
    if (run.selfTestFaultX != 0) {
      run.selfTestText += "位置在X" + P2(run.selfTestFaultX - 1);
      log.Append(run.selfTestText);
    }
    if (run.selfTestFaultY != 0) {
      run.selfTestText += "位置在Y" + P2(run.selfTestFaultY - 1);
      log.Append(run.selfTestText);
    }
    return;
  }
  run.selfTestText = "通道测试出错";
  log.Append(run.selfTestText);
  log.Append("SelfTest=");
  log.Append(HexDump(report, kDumpedBytes));
}

}  // namespace vn
