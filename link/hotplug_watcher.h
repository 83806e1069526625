// Notices board arrival and removal by comparing enumerations. Poll is called
// on the user-interface thread (a timer of a few ticks per second), the same
// thread that opens and closes the board, because hidapi is not thread-safe.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "link/hid_device.h"

namespace vn {

struct DeviceChange {
  enum class Kind { Arrival, Removal };
  Kind kind;
  std::string path;
};

class HotPlugWatcher {
 public:
  explicit HotPlugWatcher(HidBackend& backend) : backend_(backend) {}

  // The changes since the previous poll. The first poll only learns what is
  // present and reports nothing, so a board present at start-up is not an arrival.
  std::vector<DeviceChange> Poll();

 private:
  HidBackend& backend_;
  std::set<std::string> present_;
  bool primed_ = false;
};

}  // namespace vn
