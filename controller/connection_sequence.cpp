#include "controller/connection_sequence.h"

#include "platform/clock.h"
#include "platform/format.h"

namespace vn {

namespace {

constexpr std::uint8_t kStatusReset = 0x80;
constexpr std::uint8_t kStatusConfigError = 0x10;
// A controller that keeps producing messages must not hold the sequence for ever.
constexpr int kMaxDrainedMessages = 256;

const char kLinkFailedLine[] = "USB异常，请重新连接USB电缆";

std::uint8_t LastReportId(const Controller& c) { return c.messageMirror()[0]; }
std::uint8_t LastStatus(const Controller& c) { return c.messageMirror()[1]; }

bool LastFrom(const Controller& c, std::uint8_t type) { return c.table().MessageFromType(LastReportId(c), type); }

// Reads messages until one comes from the command processor or none is pending.
bool Drain(Controller& c) {
  for (int i = 0; i < kMaxDrainedMessages; ++i) {
    if (!c.ReadMessage()) return false;
    if (LastReportId(c) == kNoMessageReportId || LastFrom(c, object_type::kCommandProcessor)) return true;
  }
  return true;
}

bool NextMessageIs(Controller& c, std::uint8_t type, bool& ok) {
  if (!c.ReadMessage()) {
    ok = false;
    return false;
  }
  return LastFrom(c, type) && LastStatus(c) == 0;
}

// The report-all chain: messages from types 6, 25, 46 and 6, each with status 0.
bool ReportAllChain(Controller& c, bool& ok) {
  if (!c.RequestReportAll()) {
    ok = false;
    return false;
  }
  return NextMessageIs(c, object_type::kCommandProcessor, ok) && NextMessageIs(c, object_type::kSelfTest, ok) &&
         NextMessageIs(c, object_type::kAcquisition, ok) && NextMessageIs(c, object_type::kCommandProcessor, ok);
}

bool ReadObjectMirrors(Controller& c) {
  const double pause = c.timing().sequencePauseMs;
  PauseMs(pause);
  if (!c.ReadType9Object()) return false;
  PauseMs(pause);
  if (!c.ReadType15Object()) return false;
  PauseMs(pause);
  if (!c.ReadSelfTestObject()) return false;
  PauseMs(pause);
  return true;
}

void RefuseController(Controller& c, ConnectionState& state) {
  state.linkOk = 0;
  c.log().Append(kLinkFailedLine, false, true);
  c.link().CloseBoardHandles();
}

// Works through the start-up messages. False when the board stopped answering.
bool WorkThroughStartUpMessages(Controller& c) {
  if (!Drain(c)) return false;
  if ((LastStatus(c) & kStatusReset) != 0) {
    if (!c.ReadType9Object() || !c.ReadMessage()) return false;
  }
  bool chainSucceeded = false;
  if ((LastStatus(c) & kStatusConfigError) != 0) {
    if (!Drain(c)) return false;
    if ((LastStatus(c) & kStatusConfigError) != 0) {
      bool ok = true;
      chainSucceeded = ReportAllChain(c, ok);
      if (!ok) return false;
    }
  }
  return !chainSucceeded || ReadObjectMirrors(c);
}

}  // namespace

std::string FirmwareVersionText(std::uint8_t version) {
  const std::string hex = LastChars(FormatPadded(version, 16), 2);
  return std::string(1, hex[0]) + "." + hex[1];
}

bool CheckLink(Controller& controller, ConnectionState& state) {
  for (int attempt = 0; attempt < kLinkCheckAttempts; ++attempt) {
    if (controller.MemoryRead(0, ObjectTable::kInformationBlockSize) != TransferResult::Done) continue;
    controller.table().SetInformationBlock(controller.answerData());
    if (controller.table().pageCount() != kExpectedPageCount) continue;
    state.linkOk = 1;
    controller.log().Append("USB连接正常", true, true);
    state.firmwareVersionText = FirmwareVersionText(controller.table().version());
    return true;
  }
  RefuseController(controller, state);
  return false;
}

ConnectionOutcome ConnectionSequence(Controller& controller, ConnectionState& state, int sheetType) {
  const std::uint64_t strayBefore = controller.link().strayAnswers();
  if (!CheckLink(controller, state)) return ConnectionOutcome::LinkFailed;

  controller.BeginConnection();
  if (controller.table().objectCount() > ObjectTable::kMaxObjects || !controller.ReadObjectTable() ||
      !controller.table().Parse()) {
    RefuseController(controller, state);
    return ConnectionOutcome::LinkFailed;
  }
  // An answer taken for the wrong request may have filled the table: start again.
  if (!controller.ApplyAcquisitionSettings(sheetType) || !WorkThroughStartUpMessages(controller) ||
      controller.link().strayAnswers() != strayBefore) {
    state.linkOk = 0;
    return ConnectionOutcome::Interrupted;
  }
  state.controllerReady = 1;
  return ConnectionOutcome::Ready;
}

}  // namespace vn
