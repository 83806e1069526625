#include "sim/simulated_board.h"

#include <algorithm>
#include <condition_variable>
#include <optional>
#include <deque>
#include <random>

#include "platform/clock.h"

namespace vn {

struct PendingInput {
  BridgeReport bytes{};
  std::size_t length = kReportSize;
  MonotonicTimePoint readyAt{};
};

struct SimulatedBoard::Core {
  std::mutex mutex;
  std::condition_variable inputChanged;
  std::condition_variable quietChanged;  // a reader started waiting, or the queue was emptied
  std::unique_ptr<SimController> controller;
  SimBoardIdentity identity;
  bool plugged = true;
  std::uint64_t plugGeneration = 0;  // bumped on every unplug
  std::deque<PendingInput> input;
  FaultPlan faults;
  std::mt19937 random{1};
  std::uint64_t transactions = 0;
  bool recording = false;
  std::vector<RecordedReport> recorded;
  std::chrono::nanoseconds lateness{0};  // how much later than modelled the answers were read
  std::uint64_t delivered = 0;
  int openConnections = 0;
  int readersWaiting = 0;  // reads blocked with nothing ready to take

  // With no connection open nothing can be read, and the next one starts empty.
  bool Quiet() const { return openConnections == 0 || (input.empty() && readersWaiting > 0); }

  void Record(bool outgoing, const BridgeReport& bytes, std::size_t length,
              MonotonicTimePoint at = MonotonicClock::now()) {
    if (recording) recorded.push_back({outgoing, bytes, length, at});
  }

  void Deliver(const BridgeReport& bytes, std::size_t length, MonotonicTimePoint readyAt) {
    input.push_back({bytes, length, readyAt});
    inputChanged.notify_all();
  }

  void UnplugLocked() {
    plugged = false;
    ++plugGeneration;
    input.clear();
    inputChanged.notify_all();
    quietChanged.notify_all();
  }

  std::optional<SimFault> FaultFor(std::uint64_t index) {
    const auto it = faults.at.find(index);
    if (it != faults.at.end()) return it->second;
    if (faults.randomRate > 0 && !faults.randomKinds.empty()) {
      std::uniform_real_distribution<double> chance(0.0, 1.0);
      if (chance(random) < faults.randomRate) {
        std::uniform_int_distribution<std::size_t> pick(0, faults.randomKinds.size() - 1);
        return faults.randomKinds[pick(random)];
      }
    }
    return std::nullopt;
  }

  BridgeReport Answer(const BridgeReport& request) {
    BridgeReport answer{};
    answer[0] = 1;
    if (request[0] != kOutputReportId || request[1] != kMemoryTransferCommand) {
      answer[1] = 0x05;  // unknown command
      return answer;
    }
    const std::uint8_t writeCount = request[2];
    const std::uint8_t readCount = request[3];
    const std::uint16_t address = static_cast<std::uint16_t>(request[4] | (request[5] << 8));
    if (writeCount < 2 || writeCount > kMaxWriteCount || readCount > kMaxReadCount) {
      answer[1] = 0x06;  // the bridge refuses the counts
      return answer;
    }
    if (writeCount > 2) controller->Write(address, request.data() + 6, writeCount - 2u);
    if (readCount == 0) {
      answer[1] = answer_code::kAcknowledge;
      return answer;
    }
    const std::vector<std::uint8_t> data = controller->Read(address, readCount);
    answer[1] = answer_code::kReadData;
    std::copy(data.begin(), data.end(), answer.begin() + kAnswerDataOffset);
    return answer;
  }

  void DeliverPushedMessages(MonotonicTimePoint readyAt) {
    for (const std::vector<std::uint8_t>& message : controller->TakePushedMessages()) {
      BridgeReport report{};
      report[0] = 1;
      report[1] = answer_code::kForwardedMessage;
      report[2] = 0;
      for (std::size_t i = 0; i < message.size() && 3 + i < report.size(); ++i) report[3 + i] = message[i];
      Record(false, report, kReportSize, readyAt);
      Deliver(report, kReportSize, readyAt);
    }
  }

  // Carries out one output report. Returns the write's own outcome.
  IoResult Transact(const BridgeReport& request) {
    const std::uint64_t index = transactions++;
    Record(true, request, kReportSize);
    const std::optional<SimFault> fault = FaultFor(index);
    if (fault == SimFault::Remove) {
      UnplugLocked();
      return {IoStatus::Closed};
    }
    if (fault == SimFault::WriteFailure) return {IoStatus::Failed, 5};

    BridgeReport answer = Answer(request);
    std::size_t length = kReportSize;
    auto readyAt = MonotonicClock::now() + faults.answerLatency;
    int copies = 1;
    if (fault) switch (*fault) {
      case SimFault::DropAnswer: copies = 0; break;
      case SimFault::LateAnswer: readyAt += faults.lateBy; break;
      case SimFault::ErrorAnswer: answer[1] = 0x05; break;
      case SimFault::GarbageReport:
        for (auto& b : answer) b = static_cast<std::uint8_t>(random());
        if (answer[0] == 1 || answer[0] == 2) answer[0] = 0x7E;
        break;
      case SimFault::ShortReport: length = 10; break;
      case SimFault::WrongReportId: answer[0] = 3; break;
      case SimFault::DuplicateAnswer: copies = 2; break;
      default: break;
    }
    for (int i = 0; i < copies; ++i) {
      Record(false, answer, length, readyAt);
      Deliver(answer, length, readyAt);
    }
    DeliverPushedMessages(readyAt);
    return {IoStatus::Ok, 0, kReportSize};
  }
};

namespace {

class SimConnection : public HidConnection {
 public:
  SimConnection(std::shared_ptr<SimulatedBoard::Core> core, std::uint64_t generation)
      : core_(std::move(core)), generation_(generation) {
    ++core_->openConnections;  // constructed under the core's lock by Open
  }
  ~SimConnection() override {
    std::lock_guard lock(core_->mutex);
    --core_->openConnections;
    core_->quietChanged.notify_all();
  }

  IoResult Read(BridgeReport& report, std::chrono::milliseconds timeout) override {
    std::unique_lock lock(core_->mutex);
    const auto deadline = MonotonicClock::now() + timeout;
    for (;;) {
      if (Gone()) return {IoStatus::Closed};
      const auto now = MonotonicClock::now();
      if (!core_->input.empty() && core_->input.front().readyAt <= now) {
        const PendingInput item = core_->input.front();
        core_->input.pop_front();
        core_->lateness += now - item.readyAt;
        ++core_->delivered;
        report = item.bytes;
        return {IoStatus::Ok, 0, item.length};
      }
      if (now >= deadline) return {IoStatus::TimedOut};
      auto wakeAt = deadline;
      if (!core_->input.empty() && core_->input.front().readyAt < wakeAt) wakeAt = core_->input.front().readyAt;
      ++core_->readersWaiting;
      core_->quietChanged.notify_all();
      core_->inputChanged.wait_until(lock, wakeAt);
      --core_->readersWaiting;
    }
  }

  IoResult Write(const BridgeReport& report) override {
    std::lock_guard lock(core_->mutex);
    if (Gone()) return {IoStatus::Closed};
    return core_->Transact(report);
  }

  void Interrupt() override {
    std::lock_guard lock(core_->mutex);
    interrupted_ = true;
    core_->inputChanged.notify_all();
  }

 private:
  bool Gone() const { return interrupted_ || !core_->plugged || core_->plugGeneration != generation_; }

  std::shared_ptr<SimulatedBoard::Core> core_;
  std::uint64_t generation_;
  bool interrupted_ = false;  // guarded by the core's mutex
};

}  // namespace

SimulatedBoard::SimulatedBoard(std::unique_ptr<SimController> controller, SimBoardIdentity identity)
    : core_(std::make_shared<Core>()) {
  core_->controller = controller ? std::move(controller) : std::make_unique<SimController>();
  core_->identity = std::move(identity);
}

SimulatedBoard::~SimulatedBoard() {
  std::lock_guard lock(core_->mutex);
  core_->UnplugLocked();
}

std::vector<HidDeviceInfo> SimulatedBoard::Enumerate() {
  std::lock_guard lock(core_->mutex);
  std::vector<HidDeviceInfo> devices;
  devices.push_back({"/dev/hidraw-sim0", 0x046D, 0xC31C, 0x6400, 0});  // a keyboard
  if (core_->plugged) {
    const SimBoardIdentity& id = core_->identity;
    devices.push_back({id.bridgePath + "-if0", id.vendorId, id.productId, id.releaseNumber, 0});
    devices.push_back({id.bridgePath, id.vendorId, id.productId, id.releaseNumber, 1});
  }
  return devices;
}

std::unique_ptr<HidConnection> SimulatedBoard::Open(const std::string& path) {
  std::lock_guard lock(core_->mutex);
  if (!core_->plugged || path != core_->identity.bridgePath) return nullptr;
  core_->input.clear();  // a new connection starts with an empty input buffer
  return std::make_unique<SimConnection>(core_, core_->plugGeneration);
}

void SimulatedBoard::WithController(const std::function<void(SimController&)>& f) {
  std::lock_guard lock(core_->mutex);
  f(*core_->controller);
}

void SimulatedBoard::Unplug() {
  std::lock_guard lock(core_->mutex);
  core_->UnplugLocked();
}

void SimulatedBoard::Plug(const std::string& bridgePath) {
  std::lock_guard lock(core_->mutex);
  if (!bridgePath.empty()) core_->identity.bridgePath = bridgePath;
  core_->plugged = true;
}

bool SimulatedBoard::plugged() const {
  std::lock_guard lock(core_->mutex);
  return core_->plugged;
}

std::string SimulatedBoard::bridgePath() const {
  std::lock_guard lock(core_->mutex);
  return core_->identity.bridgePath;
}

void SimulatedBoard::SetFaultPlan(FaultPlan plan) {
  std::lock_guard lock(core_->mutex);
  core_->random.seed(plan.randomSeed);
  core_->faults = std::move(plan);
}

FaultPlan SimulatedBoard::faultPlan() const {
  std::lock_guard lock(core_->mutex);
  return core_->faults;
}

void SimulatedBoard::SetRecording(bool on) {
  std::lock_guard lock(core_->mutex);
  core_->recording = on;
}

std::vector<RecordedReport> SimulatedBoard::Recorded() const {
  std::lock_guard lock(core_->mutex);
  return core_->recorded;
}

void SimulatedBoard::ClearRecording() {
  std::lock_guard lock(core_->mutex);
  core_->recorded.clear();
}

SimulatedBoard::Delivery SimulatedBoard::delivery() const {
  std::lock_guard lock(core_->mutex);
  return {core_->lateness, core_->delivered};
}

bool SimulatedBoard::WaitUntilQuiet(std::chrono::milliseconds timeout) const {
  std::unique_lock lock(core_->mutex);
  return core_->quietChanged.wait_for(lock, timeout, [this] { return core_->Quiet(); });
}

std::uint64_t SimulatedBoard::transactions() const {
  std::lock_guard lock(core_->mutex);
  return core_->transactions;
}

void SimulatedBoard::PushControllerMessage(const std::vector<std::uint8_t>& message) {
  std::lock_guard lock(core_->mutex);
  BridgeReport report{};
  report[0] = 1;
  report[1] = answer_code::kForwardedMessage;
  for (std::size_t i = 0; i < message.size() && 3 + i < report.size(); ++i) report[3 + i] = message[i];
  core_->Record(false, report, kReportSize);
  core_->Deliver(report, kReportSize, MonotonicClock::now());
}

void SimulatedBoard::PushInputReport(const BridgeReport& report, std::size_t length) {
  std::lock_guard lock(core_->mutex);
  core_->Record(false, report, length);
  core_->Deliver(report, length, MonotonicClock::now());
}

}  // namespace vn
