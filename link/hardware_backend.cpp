#include "link/hardware_backend.h"

#if defined(_WIN32)
#include "link/windows_hid_backend.h"
#else
#include "link/hidapi_backend.h"
#endif

namespace vn {

std::unique_ptr<HidBackend> MakeHardwareBackend() {
#if defined(_WIN32)
  return std::make_unique<WindowsHidBackend>();
#else
  return std::make_unique<HidapiBackend>();
#endif
}

}  // namespace vn
