#include "controller/controller.h"

#include <algorithm>
#include <string>

#include "platform/clock.h"

namespace vn {

namespace {

constexpr std::size_t kPiece = 60;  // the controller takes at most 60 bytes per piece
constexpr std::size_t kMaxWriteData = kMaxWriteCount - 2;

}  // namespace

Controller::Controller(BoardLink& link, OperatorLog& log, ControllerTiming timing)
    : link_(link), log_(log), timing_(timing) {}

void Controller::BeginConnection() { missingReported_.clear(); }

void Controller::ClearPendingRequest() {
  pendingWriteCount = 0;
  pendingReadCount = 0;
  pendingAddress = 0;
  pendingData = nullptr;
  payloadScratch.fill(0);
}

// --- memory transfers ---------------------------------------------------------

TransferResult Controller::Fail(TransferResult result) {
  lastFailure_ = result == TransferResult::Refused ? ControllerFailure::Refused : ControllerFailure::NoAnswer;
  return result;
}

TransferResult Controller::Send() {
  if (!link_.WaitWriteIdle()) return Fail(TransferResult::NoAnswer);
  if (!link_.SendReport(kOutputReportId, kMemoryTransferCommand, pendingWriteCount, pendingReadCount,
                        pendingAddress, pendingData))
    return Fail(TransferResult::Refused);
  // No wait for the write's completion here: the answer cannot come before
  // the write went out, and the next request waits for the writer anyway.
  // That saves one thread hand-over per transaction.
  return TransferResult::Done;
}

TransferResult Controller::MemoryRead(std::uint16_t address, std::uint8_t count) {
  if (count == 0 || count > kMaxReadCount) return Fail(TransferResult::Refused);
  pendingWriteCount = 2;
  pendingReadCount = count;
  pendingAddress = address;
  pendingData = nullptr;
  const TransferResult sent = Send();
  if (sent != TransferResult::Done) return sent;
  if (!link_.WaitReadReady()) return Fail(TransferResult::NoAnswer);
  answer_ = link_.TakeAnswer();
  return TransferResult::Done;
}

TransferResult Controller::MemoryWrite(std::uint16_t address, const std::uint8_t* bytes, std::size_t count,
                                       double pauseMs, double delayUs) {
  if (count > kMaxWriteData) return Fail(TransferResult::Refused);
  std::copy_n(bytes, count, payloadScratch.begin());
  pendingWriteCount = static_cast<std::uint8_t>(2 + count);
  pendingReadCount = 0;
  pendingAddress = address;
  pendingData = payloadScratch.data();
  const TransferResult sent = Send();
  if (sent != TransferResult::Done) return sent;
  if (!link_.WaitWriteAck()) return Fail(TransferResult::NoAnswer);
  link_.ClearWriteAck();
  Pause(pauseMs, delayUs);
  return TransferResult::Done;
}

void Controller::Pause(double pauseMs, double delayUs) {
  if (delayUs > 0) BusyDelay(delayUs);
  if (pauseMs > 0) PauseMs(pauseMs);
  pausedMicroseconds_ += std::max(0.0, delayUs) + 1000.0 * std::max(0.0, pauseMs);
}

// --- objects --------------------------------------------------------------------

bool Controller::Present(std::uint8_t type) {
  if (table_.Slot(type).present()) return true;
  if (missingReported_.insert(type).second) log_.Append("控制器缺少对象T" + std::to_string(type), false, true);
  return false;
}

bool Controller::ReadInPieces(std::uint16_t address, std::size_t count, std::size_t piece,
                              void (Controller::*store)(std::uint16_t, std::size_t)) {
  while (count > 0) {
    const auto n = static_cast<std::uint8_t>(std::min(count, piece));
    TransferResult result = TransferResult::Refused;
    for (int attempt = 0; attempt < timing_.pieceAttempts && result == TransferResult::Refused; ++attempt)
      result = MemoryRead(address, n);
    if (result != TransferResult::Done) return false;
    (this->*store)(address, n);
    address = static_cast<std::uint16_t>(address + n);
    count -= n;
  }
  return true;
}

bool Controller::ReadWholeObject(std::uint8_t type, Mirror& mirror) {
  if (!Present(type)) return false;
  const ObjectSlot slot = table_.Slot(type);
  std::size_t offset = 0;
  while (offset < slot.size) {
    const auto n = static_cast<std::uint8_t>(std::min<std::size_t>(slot.size - offset, kPiece));
    if (MemoryRead(static_cast<std::uint16_t>(slot.address + offset), n) != TransferResult::Done) return false;
    std::copy_n(answerData(), std::min<std::size_t>(n, kMirrorSize - offset), mirror.begin() + offset);
    offset += n;
  }
  return true;
}

bool Controller::ReadMessage() { return ReadWholeObject(object_type::kMessage, messageMirror_); }
bool Controller::ReadCommandObject() { return ReadWholeObject(object_type::kCommandProcessor, commandMirror_); }
bool Controller::ReadSelfTestObject() { return ReadWholeObject(object_type::kSelfTest, selfTestMirror_); }
bool Controller::ReadType15Object() { return ReadWholeObject(object_type::kType15, type15Mirror_); }

bool Controller::ReadType9Object() {
  if (!Present(object_type::kType9)) return false;
  const ObjectSlot slot = table_.Slot(object_type::kType9);
  return ReadInPieces(slot.address, slot.size, kPiece, &Controller::DiscardPiece);
}

void Controller::StoreTablePiece(std::uint16_t address, std::size_t count) {
  table_.StoreTableBytes(address, answerData(), count);
}

bool Controller::ReadObjectTable() {
  if (table_.objectCount() > ObjectTable::kMaxObjects) return false;
  const std::size_t bytes = std::size_t(table_.objectCount()) * ObjectTable::kEntrySize;
  return ReadInPieces(ObjectTable::kTableAddress, bytes, kPiece, &Controller::StoreTablePiece);
}

TransferResult Controller::WriteObject(std::uint8_t type, std::size_t offset,
                                      std::initializer_list<std::uint8_t> bytes, double pauseMs, double delayUs,
                                      std::uint8_t instance) {
  if (!Present(type)) return Fail(TransferResult::Refused);
  const ObjectSlot slot = table_.Slot(type);
  const std::size_t address = slot.address + std::size_t(instance) * slot.size + offset;
  return MemoryWrite(static_cast<std::uint16_t>(address), bytes.begin(), bytes.size(), pauseMs, delayUs);
}

bool Controller::WriteObjectBytes(std::uint8_t type, std::size_t offset, std::initializer_list<std::uint8_t> bytes,
                                  double pauseMs, double delayUs, std::uint8_t instance) {
  return WriteObject(type, offset, bytes, pauseMs, delayUs, instance) == TransferResult::Done;
}

// --- commands -------------------------------------------------------------------

bool Controller::PollExpired(MonotonicTimePoint deadline, const char* what) {
  if (MonotonicClock::now() < deadline) return false;
  lastFailure_ = ControllerFailure::Timeout;
  log_.Append(what, true, true);
  return true;
}

bool Controller::ResetController() {
  return WriteObjectBytes(object_type::kCommandProcessor, 0, {1}, timing_.resetPauseMs);
}

bool Controller::BackupSettings() {
  return WriteObjectBytes(object_type::kCommandProcessor, 1, {0x55}, timing_.backupPauseMs);
}

bool Controller::RequestReportAll() {
  return WriteObjectBytes(object_type::kCommandProcessor, 3, {1}, timing_.reportAllPauseMs);
}

bool Controller::Calibrate() {
  if (!WriteObjectBytes(object_type::kCommandProcessor, 2, {1}, 0, timing_.commandDelayUs)) return false;
  const auto deadline = PollDeadline();
  for (;;) {
    if (!ReadMessage()) return false;
    if (messageMirror_[1] == 0) return true;
    if (PollExpired(deadline, "控制器校准超时")) return false;
    Pause(0, timing_.commandDelayUs);
  }
}

bool Controller::DiagnosticCommand(std::uint8_t mode) {
  if (!WriteObjectBytes(object_type::kCommandProcessor, 5, {mode}, 0, timing_.commandDelayUs)) return false;
  const auto deadline = PollDeadline();
  for (;;) {
    if (!ReadCommandObject()) return false;
    if (commandMirror_[5] == 0) return true;
    if (PollExpired(deadline, "控制器诊断命令超时")) return false;
  }
}

bool Controller::SelfTestCommand(std::uint8_t code) {
  return WriteObjectBytes(object_type::kSelfTest, 0, {3, code}, 0, timing_.commandDelayUs);
}

bool Controller::ApplyAcquisitionSettings(int sheetType) {
  const bool ogs = sheetType == 1;
  struct SettingWrite {
    std::uint8_t type;
    std::uint8_t instance;
    std::initializer_list<std::uint8_t> bytes;
  };
  const SettingWrite writes[] = {
      {9, 0, {static_cast<std::uint8_t>(ogs ? 0x40 : 0x60), 0xFF}},  // bytes 6 and 7
      {40, 0, {0x00}},
      {42, 0, {0x00}},
      {46, 0, {0x04, 0x00, 0x0A, 0x10, 0x00, 0x00, 0x01, 0x00, 0x00, 0x01, 0x0F}},
      {56, 0, {static_cast<std::uint8_t>(ogs ? 0x01 : 0x00)}},
      {57, 0, {0x00}},
      {57, 1, {0x00}},
      {61, 0, {0x00}},
      {62, 0, {0x00}},
      {63, 0, {0x00}},
  };
  for (const SettingWrite& w : writes) {
    const std::size_t offset = w.type == 9 ? 6 : 0;
    // A refused write (or a missing object) is skipped; a board that stops answering ends it.
    if (WriteObject(w.type, offset, w.bytes, timing_.settingsPauseMs, 0, w.instance) == TransferResult::NoAnswer)
      return false;
  }
  return BackupSettings();
}

}  // namespace vn
