// The link check and the connection sequence that run once a board has been
// found: the board must answer with a controller whose matrix gives 26 pages
// of 64 nodes; then the object table is read, the acquisition settings are
// written and the controller's start-up messages are worked through.
#pragma once

#include <cstdint>
#include <string>

#include "controller/controller.h"

namespace vn {

struct ConnectionState {
  int linkOk = 0;           // the last link check passed
  int controllerReady = 0;  // the connection sequence ran to its end for this board
  std::string firmwareVersionText;
};

inline constexpr int kLinkCheckAttempts = 15;
inline constexpr std::uint8_t kExpectedPageCount = 26;

// "2.1" for 0x21, "0.A" for 0x0A.
std::string FirmwareVersionText(std::uint8_t version);

// Up to 15 attempts; a refused or unanswered request counts as one. After
// the last failed attempt the board's handles are closed.
bool CheckLink(Controller& controller, ConnectionState& state);

enum class ConnectionOutcome {
  Ready,        // controllerReady is 1
  LinkFailed,   // the controller was refused; the board is closed until it is plugged in again
  Interrupted,  // the board stopped answering part-way; the next attempt starts again
};

ConnectionOutcome ConnectionSequence(Controller& controller, ConnectionState& state, int sheetType);

}  // namespace vn
