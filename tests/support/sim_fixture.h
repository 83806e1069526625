// Test fixtures around the simulated board.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "link/board_link.h"
#include "platform/operator_log.h"
#include "sim/simulated_board.h"
#include "sim/sim_touch_controller.h"

namespace vn::test {

// No pauses between commands, and the production answer deadline and polling
// bound: a healthy exchange never depends on the machine not pausing (these
// machines stop a thread for tens of milliseconds now and then).
LinkTiming FastLinkTiming(std::chrono::milliseconds timeout = LinkTiming{}.answerTimeout);
ControllerTiming FastControllerTiming();

// Deadlines short enough that an exchange a test expects to go unanswered
// ends in milliseconds. What the test then expects must hold whether or not a
// healthy exchange around it also ran out of time.
// Used only around an operation whose every expectation is written to hold
// either way (the fault table's faulted operation, a dropped answer).
struct ShortDeadline {
  std::chrono::milliseconds answerTimeout{30};
  std::chrono::milliseconds pollTimeout{120};
};

// The polling bound for a test that waits for a controller that never
// finishes: long against any pause of the machine, short against the
// production bound of 3 s.
inline constexpr std::chrono::milliseconds kShortPollBound{1000};

// Shortens the deadlines of a link and its controller while it lives, and
// puts back the ones they had when it ends.
class ShortDeadlines {
 public:
  ShortDeadlines(BoardLink& link, Controller& controller, ShortDeadline deadline = {});
  ~ShortDeadlines();
  ShortDeadlines(const ShortDeadlines&) = delete;
  ShortDeadlines& operator=(const ShortDeadlines&) = delete;

 private:
  BoardLink& link_;
  Controller& controller_;
  LinkTiming linkTiming_;
  ControllerTiming controllerTiming_;
};

// A folder of the system's temporary folder for one test case, unique per
// process, so two build trees running their tests at once never share one.
std::filesystem::path TestFolderPath(const std::string& tag);

// A simulated board with a touch controller, the link and the controller layer.
struct SimRig {
  explicit SimRig(FilmProfile profile = {}, LinkTiming linkTiming = FastLinkTiming());

  SimTouchController& sim() const { return *simController; }
  // Finds the board and checks that it opened.
  bool Connect();
  // The log lines appended so far.
  std::vector<std::string> LogLines() const { return log.Lines(); }
  // Output reports the board received, in order.
  std::vector<BridgeReport> OutputReports() const;

  SimTouchController* simController;  // owned by board
  SimulatedBoard board;
  OperatorLog log;
  BoardLink link;
  Controller controller;
};

std::string Hex(const BridgeReport& report, std::size_t count = 64);

}  // namespace vn::test
