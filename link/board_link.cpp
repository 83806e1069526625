#include "link/board_link.h"

#include "link/board_identity.h"
#include "platform/format.h"

namespace vn {

namespace {

// How long the reader's read may block before it looks at its state again.
constexpr std::chrono::milliseconds kReadSlice{200};

}  // namespace

BoardLink::BoardLink(HidBackend& backend, OperatorLog& log, LinkTiming timing)
    : backend_(backend), log_(log), timing_(timing) {
  writer_ = std::thread([this] { WriterLoop(); });
  reader_ = std::thread([this] { ReaderLoop(); });
}

BoardLink::~BoardLink() {
  CloseBoardHandles();
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  writer_.join();
  reader_.join();
}

// --- discovery -------------------------------------------------------------

bool BoardLink::FindTestBoard() {
  if (connectionOpen()) CloseBoardHandles();
  deviceFound_.store(0);
  for (const HidDeviceInfo& info : backend_.Enumerate()) {
    {
      std::lock_guard lock(mutex_);
      devicePath_ = info.path;
    }
    if (!IsBoardBridge(info)) continue;

    deviceFound_.store(1);
    std::shared_ptr<HidConnection> connection = backend_.Open(info.path);
    if (!connection) {
      log_.Append("读访问打开设备失败", true, true);
      log_.Append("写访问打开设备失败", true, true);
    }
    {
      std::lock_guard lock(mutex_);
      connection_ = std::move(connection);
      pendingWrite_.reset();
      readerWake_ = true;
      writeBusy_.store(0);
      linkLost_.store(false);
      noAnswerLogged_.store(false);
    }
    changed_.notify_all();
    return true;
  }
  return false;
}

void BoardLink::CloseBoardHandles() {
  std::shared_ptr<HidConnection> connection;
  {
    std::unique_lock lock(mutex_);
    deviceFound_.store(0);
    readerWake_ = false;
    connection = std::move(connection_);
    if (connection) connection->Interrupt();
    // The reader and writer let go of the connection before it is closed.
    changed_.notify_all();
    changed_.wait(lock, [this] { return !readerInRead_ && !writerInWrite_; });
    pendingWrite_.reset();
    writeBusy_.store(0);
  }
  changed_.notify_all();
  connection.reset();  // closes the device on this thread
}

bool BoardLink::connectionOpen() const {
  std::lock_guard lock(mutex_);
  return connection_ != nullptr;
}

std::string BoardLink::devicePath() const {
  std::lock_guard lock(mutex_);
  return devicePath_;
}

// --- sending -----------------------------------------------------------------

bool BoardLink::SendReport(std::uint8_t reportId, std::uint8_t command, std::uint8_t writeCount,
                           std::uint8_t readCount, std::uint16_t address, const std::uint8_t* data) {
  if (deviceFound_.load() != 1) {
    log_.Append("设备未找到", true, true);
    return false;
  }
  if (linkLost_.load()) return false;  // nothing reaches a board that is gone
  const BridgeReport report = BuildOutputReport(reportId, command, writeCount, readCount, address, data);
  {
    std::unique_lock lock(mutex_);
    if (!connection_) {
      lock.unlock();
      log_.Append("无效的写报告句柄，可能是打开设备时失败", true, true);
      return false;
    }
    if (writeBusy_.load() == 1) return false;
    readReady_.store(0);
    writeAck_.store(0);
    writeBusy_.store(1);
    pendingWrite_ = report;
    ++requestGeneration_;
  }
  changed_.notify_all();
  return true;
}

void BoardLink::WriterLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || pendingWrite_.has_value(); });
    if (stopping_) return;
    const BridgeReport report = *pendingWrite_;
    std::shared_ptr<HidConnection> connection = connection_;
    TraceObserver trace = traceObserver_;
    writerInWrite_ = connection != nullptr;
    lock.unlock();

    IoResult result{IoStatus::Closed};
    if (connection) {
      if (trace) trace(ReportDirection::Out, report);
      result = connection->Write(report);
    }
    connection.reset();
    if (result.status == IoStatus::Failed) {
      log_.Append("发送失败，错误代码：" + FormatPadded(result.errorCode, 10), true, true);
      if (result.errorCode == 1) log_.Append("该设备不支持WriteFile函数。", false, true);
    }

    lock.lock();
    writerInWrite_ = false;
    pendingWrite_.reset();
    writeBusy_.store(0);
    writesCompleted_.fetch_add(1);
    if (result.status != IoStatus::Ok && deviceFound_.load() == 1) linkLost_.store(true);
    lock.unlock();
    changed_.notify_all();
    lock.lock();
  }
}

// --- reading -----------------------------------------------------------------

void BoardLink::ReaderLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return stopping_ || (readerWake_ && deviceFound_.load() == 1); });
    if (stopping_) return;
    std::shared_ptr<HidConnection> connection = connection_;
    if (!connection) {
      readerWake_ = false;  // wait for the next discovery
      lock.unlock();
      log_.Append("无效的读报告句柄，可能是打开设备时失败", false, true);
      lock.lock();
      continue;
    }
    readerInRead_ = true;
    lock.unlock();

    BridgeReport report{};
    const IoResult result = connection->Read(report, kReadSlice);
    connection.reset();
    if (result.status == IoStatus::Ok && result.length == kReportSize &&
        IsAcceptedInputReportId(report[0])) {
      HandleInputReport(report);
    }
    const bool lost = result.status == IoStatus::Closed || result.status == IoStatus::Failed;

    lock.lock();
    readerInRead_ = false;
    if (lost) {
      readerWake_ = false;  // idle until discovery opens a board again
      lock.unlock();
      if (deviceFound_.load() == 1) MarkLinkLost();
      lock.lock();
    }
    changed_.notify_all();
  }
}

void BoardLink::HandleInputReport(const BridgeReport& report) {
  TraceObserver trace;
  MessageHandler handler;
  {
    std::lock_guard lock(mutex_);
    trace = traceObserver_;
    handler = messageHandler_;
  }
  if (trace) trace(ReportDirection::In, report);

  switch (report[1]) {
    case answer_code::kReadData:
      RaiseFlags(true, &report);
      return;
    case answer_code::kAcknowledge:
      RaiseFlags(false, nullptr);
      return;
    case answer_code::kIgnored:
      return;
    case answer_code::kForwardedMessage:
      if (report[2] == 0 && handler) handler(report);
      return;
    default:
      log_.Append("命令出错=", false, true);
      log_.Append(HexDump(report), false, true);
      return;
  }
}

void BoardLink::RaiseFlags(bool readData, const BridgeReport* answer) {
  {
    std::lock_guard lock(mutex_);
    // One answer per request. An answer beyond that (a repeat, or a late answer
    // whose place was taken) is counted: the exchange is out of step.
    if (answeredGeneration_ == requestGeneration_) {
      strayAnswers_.fetch_add(1);
      return;
    }
    answeredGeneration_ = requestGeneration_;
    if (readData && answer != nullptr) {
      answer_ = *answer;
      answerArrival_ = MonotonicClock::now();
      readReady_.store(1);
    }
    writeAck_.store(1);
    noAnswerLogged_.store(false);
  }
  changed_.notify_all();
}

void BoardLink::MarkLinkLost() {
  {
    std::lock_guard lock(mutex_);
    linkLost_.store(true);
  }
  changed_.notify_all();
}

// --- waiting -----------------------------------------------------------------

bool BoardLink::FlagSet(Flag flag) const {
  switch (flag) {
    case Flag::WriteIdle:
      return writeBusy_.load() == 0;
    case Flag::ReadReady:
      return readReady_.load() == 1;
    case Flag::WriteAck:
      return writeAck_.load() == 1;
  }
  return false;
}

bool BoardLink::WaitFor(Flag flag) {
  LinkTiming timing;
  {
    std::lock_guard lock(mutex_);
    timing = timing_;
  }
  const auto deadline = MonotonicClock::now() + timing.answerTimeout;
  bool ready = false;
  if (timing.waitStrategy == WaitStrategy::BusyPoll) {
    while (!(ready = FlagSet(flag)) && !linkLost_.load() && MonotonicClock::now() < deadline) {
    }
  } else {
    std::unique_lock lock(mutex_);
    changed_.wait_until(lock, deadline, [&] { return FlagSet(flag) || linkLost_.load(); });
    ready = FlagSet(flag);
  }
  if (ready) return true;
  NoteNoAnswer();
  return false;
}

void BoardLink::NoteNoAnswer() {
  if (!noAnswerLogged_.exchange(true)) log_.Append("测试板无应答", true, true);
}

bool BoardLink::WaitWriteIdle() { return WaitFor(Flag::WriteIdle); }

bool BoardLink::WaitReadReady() {
  if (!WaitFor(Flag::ReadReady)) return false;
  std::function<void(std::chrono::nanoseconds)> observer;
  MonotonicTimePoint arrival;
  {
    std::lock_guard lock(mutex_);
    observer = pickupObserver_;
    arrival = answerArrival_;
  }
  if (observer) observer(MonotonicClock::now() - arrival);
  return true;
}

bool BoardLink::WaitWriteAck() { return WaitFor(Flag::WriteAck); }

BridgeReport BoardLink::TakeAnswer() {
  std::lock_guard lock(mutex_);
  readReady_.store(0);
  writeAck_.store(0);
  return answer_;
}

void BoardLink::ClearAnswerFlags() {
  readReady_.store(0);
  writeAck_.store(0);
}

// --- configuration -------------------------------------------------------------

void BoardLink::SetMessageHandler(MessageHandler handler) {
  std::lock_guard lock(mutex_);
  messageHandler_ = std::move(handler);
}

void BoardLink::SetTraceObserver(TraceObserver observer) {
  std::lock_guard lock(mutex_);
  traceObserver_ = std::move(observer);
}

void BoardLink::SetPickupObserver(std::function<void(std::chrono::nanoseconds)> observer) {
  std::lock_guard lock(mutex_);
  pickupObserver_ = std::move(observer);
}

void BoardLink::SetTiming(LinkTiming timing) {
  std::lock_guard lock(mutex_);
  timing_ = timing;
}

LinkTiming BoardLink::timing() const {
  std::lock_guard lock(mutex_);
  return timing_;
}

}  // namespace vn
