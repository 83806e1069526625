// The controller's self test at the end of every run, and the decoding of its
// result message into the operator's terms.
#pragma once

#include "controller/controller.h"
#include "engine/run_state.h"
#include "link/bridge_report.h"
#include "platform/operator_log.h"

namespace vn {

// Starts the test (code 0x12), waits until it has finished and decodes its
// result message. False when the board or the controller stopped answering.
bool RunSelfTest(Controller& controller, RunState& run, OperatorLog& log);

// Decodes a self-test result held in an input report: the message's report id
// at byte 3, then result code, fault kind, X + 1 and Y + 1.
void DecodeSelfTestMessage(const BridgeReport& report, RunState& run, OperatorLog& log);

// The text a fault kind starts with.
const char* SelfTestFaultText(std::uint8_t kind);

}  // namespace vn
