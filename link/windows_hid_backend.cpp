#if defined(_WIN32)

#include "link/windows_hid_backend.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
// MinGW's HID header declares its functions without C linkage.
extern "C" {
#include <hidsdi.h>
}
// clang-format on

#include <atomic>
#include <vector>

namespace vn {

namespace {

// The interface number is named in the path ("&mi_01"); the identity rules
// read it from there, so it is left unknown here.
constexpr int kUnknownInterface = -1;

std::string InterfacePath(HDEVINFO set, SP_DEVICE_INTERFACE_DATA& data) {
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailA(set, &data, nullptr, 0, &size, nullptr);
  if (size == 0) return {};
  std::vector<unsigned char> buffer(size);
  auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
  detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
  if (!SetupDiGetDeviceInterfaceDetailA(set, &data, detail, size, nullptr, nullptr)) return {};
  return detail->DevicePath;
}

bool QueryAttributes(const std::string& path, HidDeviceInfo& info) {
  HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  const bool ok = HidD_GetAttributes(handle, &attributes) != FALSE;
  CloseHandle(handle);
  if (!ok) return false;
  info.vendorId = attributes.VendorID;
  info.productId = attributes.ProductID;
  info.releaseNumber = attributes.VersionNumber;
  return true;
}

// One overlapped handle; reads and writes each have their own event and
// OVERLAPPED, so the reader and the writer threads never share one.
class WindowsHidConnection : public HidConnection {
 public:
  explicit WindowsHidConnection(HANDLE handle)
      : handle_(handle),
        readEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        writeEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        wakeEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

  ~WindowsHidConnection() override {
    CancelIoEx(handle_, nullptr);
    CloseHandle(handle_);
    CloseHandle(readEvent_);
    CloseHandle(writeEvent_);
    CloseHandle(wakeEvent_);
  }

  IoResult Read(BridgeReport& report, std::chrono::milliseconds timeout) override {
    if (interrupted_.load()) return {IoStatus::Closed};
    OVERLAPPED overlapped{};
    overlapped.hEvent = readEvent_;
    ResetEvent(readEvent_);
    DWORD transferred = 0;
    if (!ReadFile(handle_, report.data(), static_cast<DWORD>(report.size()), &transferred, &overlapped)) {
      const DWORD error = GetLastError();
      if (error != ERROR_IO_PENDING) return Failure(error);
      const HANDLE events[2] = {readEvent_, wakeEvent_};
      const DWORD waited = WaitForMultipleObjects(2, events, FALSE, static_cast<DWORD>(timeout.count()));
      if (waited != WAIT_OBJECT_0) {
        CancelIoEx(handle_, &overlapped);
        GetOverlappedResult(handle_, &overlapped, &transferred, TRUE);
        if (interrupted_.load() || waited == WAIT_OBJECT_0 + 1) return {IoStatus::Closed};
        return {IoStatus::TimedOut};
      }
      if (!GetOverlappedResult(handle_, &overlapped, &transferred, FALSE)) return Failure(GetLastError());
    }
    return {IoStatus::Ok, 0, transferred};
  }

  IoResult Write(const BridgeReport& report) override {
    if (interrupted_.load()) return {IoStatus::Closed};
    OVERLAPPED overlapped{};
    overlapped.hEvent = writeEvent_;
    ResetEvent(writeEvent_);
    DWORD transferred = 0;
    if (!WriteFile(handle_, report.data(), static_cast<DWORD>(report.size()), &transferred, &overlapped)) {
      const DWORD error = GetLastError();
      if (error != ERROR_IO_PENDING) return Failure(error);
      // Never compare the count with 64: Windows reports the padded report length.
      if (!GetOverlappedResult(handle_, &overlapped, &transferred, TRUE)) return Failure(GetLastError());
    }
    return {IoStatus::Ok, 0, report.size()};
  }

  void Interrupt() override {
    interrupted_.store(true);
    SetEvent(wakeEvent_);
    CancelIoEx(handle_, nullptr);
  }

 private:
  static IoResult Failure(DWORD error) {
    const bool gone = error == ERROR_DEVICE_NOT_CONNECTED || error == ERROR_OPERATION_ABORTED ||
                      error == ERROR_INVALID_HANDLE || error == ERROR_BAD_COMMAND;
    return {gone ? IoStatus::Closed : IoStatus::Failed, static_cast<int>(error)};
  }

  HANDLE handle_;
  HANDLE readEvent_;
  HANDLE writeEvent_;
  HANDLE wakeEvent_;
  std::atomic<bool> interrupted_{false};
};

}  // namespace

std::vector<HidDeviceInfo> WindowsHidBackend::Enumerate() {
  std::vector<HidDeviceInfo> devices;
  GUID hidClass;
  HidD_GetHidGuid(&hidClass);
  HDEVINFO set = SetupDiGetClassDevsA(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (set == INVALID_HANDLE_VALUE) return devices;
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hidClass, index, &data); ++index) {
    HidDeviceInfo info;
    info.path = InterfacePath(set, data);
    info.interfaceNumber = kUnknownInterface;
    if (!info.path.empty() && QueryAttributes(info.path, info)) devices.push_back(info);
  }
  SetupDiDestroyDeviceInfoList(set);
  return devices;
}

std::unique_ptr<HidConnection> WindowsHidBackend::Open(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<WindowsHidConnection>(handle);
}

}  // namespace vn

#endif
