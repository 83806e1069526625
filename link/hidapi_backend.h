// The real test board through hidapi. On Linux hidapi only enumerates; reads
// and writes go to the hidraw node's file descriptor, which the kernel allows
// from two threads at once (hidapi 0.13 is not safe for that).
#pragma once

#if !defined(_WIN32)

#include "link/hid_device.h"

namespace vn {

class HidapiBackend : public HidBackend {
 public:
  HidapiBackend();
  ~HidapiBackend() override;
  std::vector<HidDeviceInfo> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;
  std::string Name() const override { return "hidapi"; }

 private:
  bool initialised_ = false;
};

}  // namespace vn

#endif
