// Reports handed from the reader thread to the user-interface thread: the
// reader pushes and never waits; the user-interface thread takes them all.
#pragma once

#include <deque>
#include <mutex>
#include <vector>

#include "link/bridge_report.h"

namespace vn {

class ReportQueue {
 public:
  static constexpr std::size_t kCapacity = 256;  // a flood of messages drops the oldest

  void Push(const BridgeReport& report) {
    std::lock_guard lock(mutex_);
    if (reports_.size() >= kCapacity) reports_.pop_front();
    reports_.push_back(report);
  }

  std::vector<BridgeReport> TakeAll() {
    std::lock_guard lock(mutex_);
    std::vector<BridgeReport> taken(reports_.begin(), reports_.end());
    reports_.clear();
    return taken;
  }

 private:
  std::mutex mutex_;
  std::deque<BridgeReport> reports_;
};

}  // namespace vn
