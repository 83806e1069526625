// The simulated test board: a HID backend that enumerates like the real
// hardware (a keyboard, the board's interface 0 and its bridge interface 1)
// and answers memory transfers from a simulated controller, with the faults
// of a FaultPlan. It records every report in both directions.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "link/hid_device.h"
#include "platform/clock.h"
#include "sim/fault_plan.h"
#include "sim/sim_controller.h"

namespace vn {

struct RecordedReport {
  bool outgoing = false;  // program to board
  BridgeReport bytes{};
  std::size_t length = kReportSize;
  // Outgoing: when the board received it. Incoming: when it became readable
  // (the modelled arrival, lateness and latency included).
  MonotonicTimePoint at{};
};

struct SimBoardIdentity {
  std::uint16_t vendorId = 0x03EB;
  std::uint16_t productId = 0x212C;
  std::uint16_t releaseNumber = 0x1032;
  std::string bridgePath = "/dev/hidraw-sim2";
};

class SimulatedBoard : public HidBackend {
 public:
  explicit SimulatedBoard(std::unique_ptr<SimController> controller = nullptr,
                          SimBoardIdentity identity = {});
  ~SimulatedBoard() override;

  std::vector<HidDeviceInfo> Enumerate() override;
  std::unique_ptr<HidConnection> Open(const std::string& path) override;
  std::string Name() const override { return "simulated"; }

  // Hot-plug. Unplugging ends every open connection; plugging back in may give
  // the bridge another path.
  void Unplug();
  void Plug(const std::string& bridgePath = {});
  bool plugged() const;
  std::string bridgePath() const;

  void SetFaultPlan(FaultPlan plan);
  FaultPlan faultPlan() const;
  void SetRecording(bool on);
  std::vector<RecordedReport> Recorded() const;
  void ClearRecording();
  std::uint64_t transactions() const;  // output reports received so far

  // How much later than the modelled latency the input reports were read in
  // all: the wake-up delay of the thread that waits for a modelled arrival.
  struct Delivery {
    std::chrono::nanoseconds lateness{0};
    std::uint64_t reports = 0;
  };
  Delivery delivery() const;

  // Waits until every input report the board has sent (late answers
  // included) was read and the reader has come back for more, or until
  // timeout passes; true when the board went quiet. With no connection open
  // the board is quiet (a new connection starts empty). Tests use it instead of sleeping until late
  // answers have drained.
  bool WaitUntilQuiet(std::chrono::milliseconds timeout) const;

  // Forwards a controller message as a 0xFA report (report id, then data).
  void PushControllerMessage(const std::vector<std::uint8_t>& message);
  // Delivers any input report, as the board would send it.
  void PushInputReport(const BridgeReport& report, std::size_t length = kReportSize);

  // Runs f with the controller under the board's lock.
  void WithController(const std::function<void(SimController&)>& f);

  struct Core;  // shared with the open connections

 private:
  std::shared_ptr<Core> core_;
};

}  // namespace vn
