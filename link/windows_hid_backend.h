// The real test board on Windows without hidapi: the HID device-interface
// class enumerated with the setup library, attributes from the HID library,
// and one file handle per board with overlapped reads and writes.
#pragma once

#if defined(_WIN32)

#include "link/hid_device.h"

namespace vn {

class WindowsHidBackend : public HidBackend {
 public:
  std::vector<HidDeviceInfo> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;
  std::string Name() const override { return "windows-hid"; }
};

}  // namespace vn

#endif
