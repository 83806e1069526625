#include "link/hotplug_watcher.h"

namespace vn {

std::vector<DeviceChange> HotPlugWatcher::Poll() {
  std::set<std::string> now;
  for (const HidDeviceInfo& info : backend_.Enumerate()) now.insert(info.path);
  std::vector<DeviceChange> changes;
  if (primed_) {
    for (const std::string& path : present_)
      if (now.count(path) == 0) changes.push_back({DeviceChange::Kind::Removal, path});
    for (const std::string& path : now)
      if (present_.count(path) == 0) changes.push_back({DeviceChange::Kind::Arrival, path});
  }
  present_ = std::move(now);
  primed_ = true;
  return changes;
}

}  // namespace vn
