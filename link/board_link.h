// The link to the test board: discovery, the board's connection, and the
// exchange of 64-byte reports through a reader thread and a writer thread.
//
// Thread rules:
// - FindTestBoard, CloseBoardHandles, SendReport, the waits and TakeAnswer
//   are called on the user-interface thread only.
// - The reader thread keeps one read outstanding and turns answers into the
//   flags readReady / writeAck; the writer thread performs the write handed
//   over by SendReport and clears writeBusy when it completes.
// - The flags are atomics, readable from any thread. The message handler and
//   the trace observer run on the reader (or writer) thread and must not block.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "link/bridge_report.h"
#include "link/hid_device.h"
#include "platform/clock.h"
#include "platform/operator_log.h"

namespace vn {

enum class WaitStrategy {
  ConditionVariable,  // sleep until a flag changes (the default)
  BusyPoll,           // spin on the flags; only for measuring what sleeping saves
};

struct LinkTiming {
  std::chrono::milliseconds answerTimeout{1000};
  WaitStrategy waitStrategy = WaitStrategy::ConditionVariable;
};

enum class ReportDirection { Out, In };

class BoardLink {
 public:
  using MessageHandler = std::function<void(const BridgeReport& report)>;
  using TraceObserver = std::function<void(ReportDirection direction, const BridgeReport& report)>;

  BoardLink(HidBackend& backend, OperatorLog& log, LinkTiming timing = {});
  ~BoardLink();
  BoardLink(const BoardLink&) = delete;
  BoardLink& operator=(const BoardLink&) = delete;

  // --- discovery ---------------------------------------------------------
  // One discovery pass: opens the first interface that is the board's bridge.
  bool FindTestBoard();
  // Stops the outstanding read, closes the board and clears deviceFound.
  void CloseBoardHandles();
  bool deviceFound() const { return deviceFound_.load(); }
  bool connectionOpen() const;
  std::string devicePath() const;
  HidBackend& backend() { return backend_; }

  // --- exchange ----------------------------------------------------------
  // Builds and hands over one output report. False when there is no board, no
  // open connection, or a write is still in progress. Sending a request also
  // discards any answer left from an earlier one.
  bool SendReport(std::uint8_t reportId, std::uint8_t command, std::uint8_t writeCount,
                  std::uint8_t readCount, std::uint16_t address, const std::uint8_t* data);

  // Bounded waits. Each returns false when the answer deadline passes or the
  // board is lost; an expired wait logs "测试板无应答" once until the board
  // answers again.
  bool WaitWriteIdle();
  bool WaitReadReady();
  bool WaitWriteAck();

  // A copy of the last answer with read data; clears readReady and writeAck.
  BridgeReport TakeAnswer();
  void ClearWriteAck() { writeAck_.store(0); }
  // The run reset: clears readReady and writeAck.
  void ClearAnswerFlags();

  int writeBusy() const { return writeBusy_.load(); }
  int readReady() const { return readReady_.load(); }
  int writeAck() const { return writeAck_.load(); }
  // Set when a read or write found the board gone; cleared by discovery.
  bool linkLost() const { return linkLost_.load(); }

  void SetMessageHandler(MessageHandler handler);
  void SetTraceObserver(TraceObserver observer);
  void SetTiming(LinkTiming timing);
  LinkTiming timing() const;

  // Answers that came when the current request already had one. When this
  // count moves during an operation, an answer may have been taken for the
  // wrong request, so the operation's data cannot be trusted.
  std::uint64_t strayAnswers() const { return strayAnswers_.load(); }

  // Counts for tests and benchmarks.
  std::uint64_t writesCompleted() const { return writesCompleted_.load(); }
  // Time from the reader receiving an answer to the waiting thread running again.
  void SetPickupObserver(std::function<void(std::chrono::nanoseconds)> observer);

 private:
  enum class Flag { WriteIdle, ReadReady, WriteAck };

  void ReaderLoop();
  void WriterLoop();
  void HandleInputReport(const BridgeReport& report);
  void RaiseFlags(bool readData, const BridgeReport* answer);
  bool WaitFor(Flag flag);
  bool FlagSet(Flag flag) const;
  void NoteNoAnswer();
  void MarkLinkLost();

  HidBackend& backend_;
  OperatorLog& log_;

  mutable std::mutex mutex_;
  std::condition_variable changed_;
  LinkTiming timing_;
  std::shared_ptr<HidConnection> connection_;
  std::string devicePath_;
  bool stopping_ = false;
  bool readerWake_ = false;     // discovery opened a board: the reader starts reading
  bool readerInRead_ = false;
  bool writerInWrite_ = false;
  std::optional<BridgeReport> pendingWrite_;
  std::uint64_t requestGeneration_ = 0;   // requests handed over so far
  std::uint64_t answeredGeneration_ = 0;  // the last request that got its answer
  BridgeReport answer_{};
  MonotonicTimePoint answerArrival_{};
  MessageHandler messageHandler_;
  TraceObserver traceObserver_;
  std::function<void(std::chrono::nanoseconds)> pickupObserver_;

  std::atomic<int> deviceFound_{0};
  std::atomic<int> writeBusy_{0};
  std::atomic<int> readReady_{0};
  std::atomic<int> writeAck_{0};
  std::atomic<bool> linkLost_{false};
  std::atomic<bool> noAnswerLogged_{false};
  std::atomic<std::uint64_t> writesCompleted_{0};
  std::atomic<std::uint64_t> strayAnswers_{0};

  std::thread writer_;  // WriteDoneThread
  std::thread reader_;  // ReadReportThread
};

}  // namespace vn
