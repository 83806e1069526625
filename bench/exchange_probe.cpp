// Healthy exchanges at the production deadline, to tell an answer the link
// lost from a pause of the machine: N read requests to the simulated board,
// one after the other, as the controller layer sends them. For every wait
// that gives up, the board's own record says whether and when that answer
// became readable.
//
//   vn4820-exchange-probe [--transactions N] [--latency-us L] [--timeout-ms T]
//
// Prints the count of waits that gave up, the pick-up time (answer readable
// to wait returned) at p50 / p99 / p99.99 / max, and a line per wait that gave
// up. Exit 0 when every request was answered in time.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "link/board_link.h"
#include "platform/operator_log.h"
#include "sim/simulated_board.h"
#include "sim/sim_touch_controller.h"

namespace vn {
namespace {

struct ProbeOptions {
  long transactions = 100000;
  long latencyUs = 0;
  long timeoutMs = LinkTiming{}.answerTimeout.count();
};

struct Wait {
  MonotonicTimePoint sent{};
  MonotonicTimePoint returned{};
  bool answered = false;
};

bool ParseOptions(int argc, char** argv, ProbeOptions& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const long value = std::strtol(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--transactions") == 0 && value > 0) options.transactions = value;
    else if (std::strcmp(argv[i], "--latency-us") == 0 && value >= 0) options.latencyUs = value;
    else if (std::strcmp(argv[i], "--timeout-ms") == 0 && value > 0) options.timeoutMs = value;
    else return false;
  }
  return argc % 2 == 1;
}

double Micro(std::chrono::nanoseconds d) { return double(d.count()) / 1000.0; }

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(p * double(values.size() - 1));
  return values[index];
}

std::vector<Wait> Exchange(BoardLink& link, long transactions) {
  std::vector<Wait> waits(static_cast<std::size_t>(transactions));
  for (Wait& wait : waits) {
    wait.sent = MonotonicClock::now();
    wait.answered = link.WaitWriteIdle() && link.SendReport(1, 0x51, 2, 7, 0x0000, nullptr) && link.WaitReadReady();
    wait.returned = MonotonicClock::now();
    if (wait.answered) link.TakeAnswer();
  }
  return waits;
}

// When the board made each request's answer readable (nullopt: it sent none).
std::vector<std::optional<MonotonicTimePoint>> Readable(const std::vector<RecordedReport>& recorded) {
  std::vector<std::optional<MonotonicTimePoint>> readable;
  for (const RecordedReport& report : recorded) {
    if (report.outgoing) readable.emplace_back();
    else if (!readable.empty() && !readable.back()) readable.back() = report.at;
  }
  return readable;
}

int Report(const std::vector<Wait>& waits, const std::vector<std::optional<MonotonicTimePoint>>& readable) {
  std::vector<double> pickups;
  long gaveUp = 0;
  for (std::size_t i = 0; i < waits.size(); ++i) {
    const Wait& wait = waits[i];
    const std::optional<MonotonicTimePoint> at = i < readable.size() ? readable[i] : std::nullopt;
    if (wait.answered && at) {
      pickups.push_back(Micro(wait.returned - *at));
      continue;
    }
    ++gaveUp;
    if (at) {
      std::printf("no answer at transaction %zu: readable %.1f us after the send, the wait gave up %.1f us after it\n",
                  i, Micro(*at - wait.sent), Micro(wait.returned - wait.sent));
    } else {
      std::printf("no answer at transaction %zu: the board never made one readable\n", i);
    }
  }
  std::printf("transactions=%zu gave_up=%ld pickup_us p50=%.1f p99=%.1f p99.99=%.1f max=%.1f\n", waits.size(),
              gaveUp, Percentile(pickups, 0.5), Percentile(pickups, 0.99), Percentile(pickups, 0.9999),
              pickups.empty() ? 0.0 : *std::max_element(pickups.begin(), pickups.end()));
  return gaveUp == 0 ? 0 : 1;
}

}  // namespace
}  // namespace vn

int main(int argc, char** argv) {
  using namespace vn;
  ProbeOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: vn4820-exchange-probe [--transactions N] [--latency-us L] [--timeout-ms T]\n");
    return 2;
  }
  SimulatedBoard board(std::make_unique<SimTouchController>(FilmProfile{}));
  FaultPlan plan;
  plan.answerLatency = std::chrono::microseconds(options.latencyUs);
  board.SetFaultPlan(plan);
  OperatorLog log;
  LinkTiming timing;
  timing.answerTimeout = std::chrono::milliseconds(options.timeoutMs);
  BoardLink link(board, log, timing);
  if (!link.FindTestBoard()) {
    std::fprintf(stderr, "vn4820-exchange-probe: the simulated board was not found\n");
    return 1;
  }
  board.SetRecording(true);
  std::printf("probe: %ld transactions, latency %ld us, deadline %ld ms\n", options.transactions, options.latencyUs,
              options.timeoutMs);
  const std::vector<Wait> waits = Exchange(link, options.transactions);
  return Report(waits, Readable(board.Recorded()));
}
