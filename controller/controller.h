// Controller access through the board's bridge: memory transfers, the named
// controller commands and the object mirrors. Every operation runs on the
// user-interface thread, one at a time, and says whether it completed; a
// refused request or an expired wait ends it and the caller decides.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <initializer_list>
#include <set>

#include "controller/object_table.h"
#include "link/board_link.h"
#include "platform/operator_log.h"

namespace vn {

// Pauses and bounds of the controller commands, in one place so tests can
// shorten them.
struct ControllerTiming {
  double resetPauseMs = 100;
  double backupPauseMs = 40;
  double reportAllPauseMs = 40;
  double settingsPauseMs = 10;
  double commandDelayUs = 1000;  // after calibrate, diagnostic and self-test writes
  double sequencePauseMs = 10;   // between the reads at the end of the connection sequence
  double burnChunkPauseMs = 10;  // after each acknowledged chunk of a burn
  // The longest a polling loop (calibration, diagnostic mode, self test, page
  // seek) may take before it gives up.
  std::chrono::milliseconds pollTimeout{3000};
  int pieceAttempts = 3;  // a refused piece of a long read is tried this often
};

// Why the last operation that failed did not complete.
enum class ControllerFailure {
  None,
  Refused,   // a request could not be sent (no board, no connection)
  NoAnswer,  // the board did not answer in time or was lost
  Timeout,   // the board answered, but the controller never finished
};

enum class TransferResult {
  Done,      // sent and answered
  Refused,   // the request could not be sent
  NoAnswer,  // sent, but no answer came in time (or the board was lost)
};

class Controller {
 public:
  static constexpr std::size_t kMirrorSize = 255;
  using Mirror = std::array<std::uint8_t, kMirrorSize>;

  Controller(BoardLink& link, OperatorLog& log, ControllerTiming timing = {});

  // --- memory transfers ---------------------------------------------------
  // Reads count bytes (at most 61) at address; the bytes are answer()[3..].
  TransferResult MemoryRead(std::uint16_t address, std::uint8_t count);
  // Writes the bytes (at most 58) at address, waits for the acknowledgement,
  // then pauses pauseMs milliseconds (or delayUs microseconds when given).
  TransferResult MemoryWrite(std::uint16_t address, const std::uint8_t* bytes, std::size_t count,
                             double pauseMs = 0, double delayUs = 0);
  // The last answer with read data, as its own copy.
  const BridgeReport& answer() const { return answer_; }
  const std::uint8_t* answerData() const { return answer_.data() + kAnswerDataOffset; }

  // --- object reads -------------------------------------------------------
  bool ReadMessage();
  bool ReadCommandObject();
  bool ReadSelfTestObject();
  bool ReadType15Object();
  bool ReadType9Object();
  bool ReadObjectTable();

  // --- commands -----------------------------------------------------------
  bool ResetController();
  bool BackupSettings();
  bool Calibrate();
  bool RequestReportAll();
  bool DiagnosticCommand(std::uint8_t mode);
  bool SelfTestCommand(std::uint8_t code);
  bool ApplyAcquisitionSettings(int sheetType);
  // Writes bytes into an object (instance 0) at a byte offset; false and a
  // log line once per connection when the controller lacks the object.
  bool WriteObjectBytes(std::uint8_t type, std::size_t offset, std::initializer_list<std::uint8_t> bytes,
                        double pauseMs = 0, double delayUs = 0, std::uint8_t instance = 0);

  // A new connection: the object table is read again and missing objects
  // are reported afresh.
  void BeginConnection();

  // --- state ----------------------------------------------------------------
  ObjectTable& table() { return table_; }
  const ObjectTable& table() const { return table_; }
  const Mirror& messageMirror() const { return messageMirror_; }
  const Mirror& commandMirror() const { return commandMirror_; }
  const Mirror& selfTestMirror() const { return selfTestMirror_; }
  const Mirror& type15Mirror() const { return type15Mirror_; }
  // Polling loops (calibration, diagnostic mode, self test, page seek) end at
  // this deadline; PollExpired notes the failure and logs what gave up.
  MonotonicTimePoint PollDeadline() const { return MonotonicClock::now() + timing_.pollTimeout; }
  bool PollExpired(MonotonicTimePoint deadline, const char* what);

  ControllerFailure lastFailure() const { return lastFailure_; }
  // The pauses the operations have asked for so far, in microseconds (for benchmarks).
  double pausedMicroseconds() const { return pausedMicroseconds_; }
  void ClearFailure() { lastFailure_ = ControllerFailure::None; }
  const ControllerTiming& timing() const { return timing_; }
  void SetTiming(ControllerTiming timing) { timing_ = timing; }
  BoardLink& link() { return link_; }
  OperatorLog& log() { return log_; }

  // The pending request as the last operation filled it.
  std::uint8_t pendingWriteCount = 0;
  std::uint8_t pendingReadCount = 0;
  std::uint16_t pendingAddress = 0;
  const std::uint8_t* pendingData = nullptr;
  std::array<std::uint8_t, 64> payloadScratch{};
  void ClearPendingRequest();

 private:
  TransferResult Send();
  TransferResult Fail(TransferResult result);
  void Pause(double pauseMs, double delayUs);
  TransferResult WriteObject(std::uint8_t type, std::size_t offset, std::initializer_list<std::uint8_t> bytes,
                             double pauseMs, double delayUs, std::uint8_t instance);
  bool ReadWholeObject(std::uint8_t type, Mirror& mirror);
  bool ReadInPieces(std::uint16_t address, std::size_t count, std::size_t piece,
                    void (Controller::*store)(std::uint16_t, std::size_t));
  void StoreTablePiece(std::uint16_t address, std::size_t count);
  void DiscardPiece(std::uint16_t, std::size_t) {}
  bool Present(std::uint8_t type);

  BoardLink& link_;
  OperatorLog& log_;
  ControllerTiming timing_;
  ObjectTable table_;
  BridgeReport answer_{};
  Mirror messageMirror_{};
  Mirror commandMirror_{};
  Mirror selfTestMirror_{};
  Mirror type15Mirror_{};
  std::set<std::uint8_t> missingReported_;
  ControllerFailure lastFailure_ = ControllerFailure::None;
  double pausedMicroseconds_ = 0;
};

}  // namespace vn
