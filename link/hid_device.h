// The device interface of the link: what a HID backend offers, whether it is
// the real hardware (hidapi) or the simulated board.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/bridge_report.h"

namespace vn {

struct HidDeviceInfo {
  std::string path;
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::uint16_t releaseNumber = 0;  // bcdDevice, the "version number" of the HID attributes
  int interfaceNumber = -1;         // USB interface number, -1 when unknown
};

enum class IoStatus {
  Ok,        // a report was transferred
  TimedOut,  // nothing arrived within the timeout (reads only)
  Closed,    // the device is gone or the connection was interrupted
  Failed,    // any other error; see the error code
};

struct IoResult {
  IoStatus status = IoStatus::Ok;
  int errorCode = 0;  // the system's error number for Failed
  std::size_t length = 0;  // bytes read (reads only)
};

// One open board interface.
// Thread rules: Read is called by the reader thread only and Write by the
// writer thread only; both may run at the same time. Interrupt may be called
// from any thread: it wakes a Read in progress and makes every later Read and
// Write return Closed. The object is destroyed on the user-interface thread
// after the reader and writer have left Read and Write.
class HidConnection {
 public:
  virtual ~HidConnection() = default;
  virtual IoResult Read(BridgeReport& report, std::chrono::milliseconds timeout) = 0;
  virtual IoResult Write(const BridgeReport& report) = 0;
  virtual void Interrupt() = 0;
};

// Thread rule: Enumerate and Open are called on the user-interface thread only.
class HidBackend {
 public:
  virtual ~HidBackend() = default;
  // Every HID interface present, each path once.
  virtual std::vector<HidDeviceInfo> Enumerate() = 0;
  // Opens an interface for reading and writing; nullptr when it cannot be opened.
  virtual std::unique_ptr<HidConnection> Open(const std::string& path) = 0;
  // Names the backend in logs and the caption ("hidapi", "simulated").
  virtual std::string Name() const = 0;
};

}  // namespace vn
