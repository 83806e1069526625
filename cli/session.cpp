#include "cli/session.h"

#include <chrono>
#include <ostream>
#include <thread>

#include "link/hardware_backend.h"
#include "platform/clock.h"

namespace vn::cli {

namespace {

constexpr int kDiscoveryAttempts = 5;
constexpr auto kTimerPeriod = std::chrono::milliseconds(100);
constexpr int kConnectionAttempts = 3;

std::string WithoutCarriageReturns(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

std::string TraceLine(ReportDirection direction, const BridgeReport& report) {
  std::string line = HexDump(report);
  line.pop_back();  // no blank after the last byte
  return (direction == ReportDirection::Out ? "> " : "< ") + line;
}

}  // namespace

MessageResult TerminalPresenter::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                             MessageButtons buttons) {
  err_ << "[" << (caption.empty() ? kApplicationTitle : caption) << "] " << text << "\n";
  return NullPresenter::ShowMessage(text, caption, icon, buttons);
}

Session::Session(const GlobalOptions& options, std::ostream& out, std::ostream& err)
    : options_(options), out_(out), err_(err), logStream_(&out), presenter_(err) {
  if (options.simulate) {
    std::optional<FilmProfile> profile = ResolveProfile(options.simulateProfile, error_);
    if (!profile) return;
    auto controller = std::make_unique<SimTouchController>(*profile);
    simController_ = controller.get();
    auto board = std::make_unique<SimulatedBoard>(std::move(controller));
    board->SetFaultPlan(ProfileFaultPlan(*profile));
    simBoard_ = board.get();
    backend_ = std::move(board);
  } else {
    backend_ = MakeHardwareBackend();
  }
  TesterOptions testerOptions;
  testerOptions.appDirectory = options.workdir;
  testerOptions.sampleWorkDirectory = options.sampleDir;
  if (options.timeoutMs) testerOptions.linkTiming.answerTimeout = std::chrono::milliseconds(*options.timeoutMs);
  tester_ = std::make_unique<Tester>(*backend_, presenter_, testerOptions);
  tester_->log().SetListener([this](OperatorLog::Event event, std::string_view piece) {
    if (event != OperatorLog::Event::Appended) return;
    std::lock_guard lock(printMutex_);
    if (logStream_ != nullptr) Write(*logStream_, WithoutCarriageReturns(piece));
  });
  if (options.trace) {
    tester_->link().SetTraceObserver([this](ReportDirection direction, const BridgeReport& report) {
      std::lock_guard lock(printMutex_);
      Write(err_, TraceLine(direction, report) + "\n");
    });
  }
  tester_->Initialise();
  tester_->OnFirstShow();
  if (simBoard_ != nullptr)
    err_ << "vn4820-cli: using the simulated test board (profile " << options.simulateProfile << ")\n";
}

Session::~Session() {
  if (tester_) {
    tester_->log().SetListener({});
    tester_->link().SetTraceObserver({});
  }
}

void Session::Write(std::ostream& stream, const std::string& text) {
  stream << text;
  stream.flush();
}

void Session::SetLogStream(std::ostream* stream) {
  std::lock_guard lock(printMutex_);
  logStream_ = stream;
}

void Session::PrintLine(const std::string& line) {
  std::lock_guard lock(printMutex_);
  Write(out_, line + "\n");
}

int Session::Connect() {
  const int found = Discover();
  return found == kExitOk ? ConnectController() : found;
}

int Session::Reconnect() {
  BoardLink& link = tester_->link();
  if (link.linkLost()) link.CloseBoardHandles();
  return Connect();
}

int Session::Discover() {
  Tester& tester = *tester_;
  bool found = false;
  for (int attempt = 0; attempt < kDiscoveryAttempts && !found; ++attempt) {
    found = tester.DiscoveryTick() != TimerRequest::None;
    if (!found) std::this_thread::sleep_for(kTimerPeriod);
  }
  if (!found) {
    err_ << "vn4820-cli: no test board found\n";
    return kExitBoard;
  }
  return kExitOk;
}

int Session::ConnectController() {
  Tester& tester = *tester_;
  for (int attempt = 0; attempt < kConnectionAttempts; ++attempt) {
    tester.ConnectionTick();
    if (tester.connection().controllerReady == 1) return kExitOk;
    if (!tester.link().deviceFound()) break;  // the controller was refused
    std::this_thread::sleep_for(kTimerPeriod);
  }
  err_ << "vn4820-cli: the test board does not answer as expected\n";
  return kExitBoard;
}

}  // namespace vn::cli
