// The simulated touch controller: information block, object table with
// report ids, message queue, command processor, diagnostic pages, self test
// and writable object memory, driven by a film profile.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <utility>
#include <random>
#include <vector>

#include "sim/film_profile.h"
#include "sim/sim_controller.h"

namespace vn {

struct SimObject {
  std::uint8_t type = 0;
  std::uint16_t address = 0;
  std::uint8_t size = 0;
  std::uint8_t instances = 1;
  std::uint8_t reportIds = 0;
  std::uint8_t firstReportId = 0;  // 0 when the object has none
};

class SimTouchController : public SimController {
 public:
  explicit SimTouchController(FilmProfile profile = {});

  void Write(std::uint16_t address, const std::uint8_t* data, std::size_t count) override;
  std::vector<std::uint8_t> Read(std::uint16_t address, std::size_t count) override;

  const std::vector<SimObject>& objects() const { return objects_; }
  const SimObject* Find(std::uint8_t type) const;
  std::uint8_t ReportIdOf(std::uint8_t type) const;

  // Replaces the messages queued at power-on and after every reset.
  void SetStartUpMessages(std::vector<std::vector<std::uint8_t>> messages);
  void QueueMessage(std::vector<std::uint8_t> message) { messages_.push_back(std::move(message)); }
  std::size_t pendingMessages() const { return messages_.size(); }

  // Counts for tests.
  int resets() const { return resets_; }
  int backups() const { return backups_; }
  int calibrations() const { return calibrations_; }
  int pageCommands() const { return pageCommands_; }
  int currentPage() const { return page_; }
  // The values the last acquisition holds, flat index 52 x + y.
  const std::vector<std::uint16_t>& acquiredValues() const { return acquired_; }
  // Object memory as written and kept by a backup.
  std::vector<std::uint8_t> ObjectBytes(std::uint8_t type, std::uint8_t instance = 0) const;
  FilmProfile& profile() { return profile_; }
  // Test hook: the n-th page command (counted from 1) lands on the given page.
  void LandPageCommandOn(int commandNumber, int page) { pageLanding_ = {commandNumber, page}; }

 private:
  void BuildMemoryMap();
  void PowerOn();
  void OnCommandByte(std::size_t offset, std::uint8_t value);
  void OnSelfTestWrite();
  void StartAcquisition();
  void MovePage(int step);
  void RefreshDiagnosticObject();
  std::uint16_t NodeValue(std::size_t node, bool baseline);
  bool Covers(const SimObject* object, std::uint16_t address, std::size_t count, std::size_t offset) const;
  std::vector<std::uint8_t> StatusMessage(std::uint8_t type, std::uint8_t status) const;

  FilmProfile profile_;
  std::vector<SimObject> objects_;
  std::deque<std::vector<std::uint8_t>> messages_;
  std::vector<std::vector<std::uint8_t>> startUpMessages_;
  std::vector<std::uint8_t> backup_;
  std::vector<std::uint16_t> acquired_;
  std::mt19937 random_;
  int page_ = 0;
  int diagnosticBusyReads_ = 0;
  int selfTestBusyReads_ = 0;
  bool selfTestRunning_ = false;
  int resets_ = 0;
  int backups_ = 0;
  int calibrations_ = 0;
  int pageCommands_ = 0;
  int normalAcquisitions_ = 0;  // films read so far, for the profile's creep
  std::pair<int, int> pageLanding_{0, 0};
};

}  // namespace vn
