// The backend of the real test board on this platform: hidapi with the
// hidraw nodes on Linux, the HID class and overlapped file I/O on Windows.
#pragma once

#include <memory>

#include "link/hid_device.h"

namespace vn {

std::unique_ptr<HidBackend> MakeHardwareBackend();

}  // namespace vn
