// The board the window talks to: the real one through hidapi, or the
// simulated board with a film profile.
#pragma once

#include <memory>
#include <string>

#include "link/hid_device.h"

namespace vn {
class SimulatedBoard;
}

namespace vn::app {

struct BoardChoice {
  std::unique_ptr<HidBackend> backend;
  SimulatedBoard* simulatedBoard = nullptr;  // owned by backend; null for the real board
  std::string error;                         // an unknown profile
};

BoardChoice ChooseBoard(bool simulate, const std::string& profile);

}  // namespace vn::app
