// Test fixtures around the simulated board.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "controller/controller.h"
#include "link/board_link.h"
#include "platform/operator_log.h"
#include "sim/simulated_board.h"
#include "sim/sim_touch_controller.h"

namespace vn::test {

// Short deadlines so "no answer" cases finish in a fraction of a second.
LinkTiming FastLinkTiming(std::chrono::milliseconds timeout = std::chrono::milliseconds(150));
ControllerTiming FastControllerTiming();

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
