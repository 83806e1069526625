#include "sim/sim_touch_controller.h"

#include <algorithm>

namespace vn {

namespace {

constexpr std::uint16_t kFirstObjectAddress = 0x0100;
constexpr std::size_t kNodes = 32 * 52;
constexpr std::size_t kNodesPerPage = 64;
constexpr std::uint8_t kReferenceMode = 0x11;
constexpr std::uint8_t kNextPage = 0x01;
constexpr std::uint8_t kPreviousPage = 0x02;
constexpr std::uint8_t kBaselineSetting = 128;

// type, size, instances, report ids per instance
struct ObjectLayout {
  std::uint8_t type, size, instances, reportIds;
};
constexpr ObjectLayout kLayout[] = {
    {37, 130, 1, 0}, {5, 9, 1, 0},  {6, 6, 1, 1},   {7, 4, 1, 0},   {8, 10, 1, 0},  {9, 70, 1, 10},
    {15, 11, 1, 1},  {25, 6, 1, 1}, {40, 5, 1, 0},  {42, 8, 1, 0},  {46, 11, 1, 1}, {56, 36, 1, 0},
    {57, 3, 2, 1},   {61, 5, 1, 1}, {62, 54, 1, 0}, {63, 25, 1, 0},
};

}  // namespace

SimTouchController::SimTouchController(FilmProfile profile)
    : profile_(std::move(profile)), random_(profile_.seed) {
  BuildMemoryMap();
  const std::uint8_t cmd = ReportIdOf(6);
  startUpMessages_ = {{cmd, 0x90}, {cmd, 0x10}, {cmd, 0x10}};
  acquired_.assign(kNodes, 0);
  backup_.assign(memory().begin(), memory().end());
  PowerOn();
}

void SimTouchController::BuildMemoryMap() {
  std::uint16_t address = kFirstObjectAddress;
  std::uint8_t nextReportId = 1;
  for (const ObjectLayout& layout : kLayout) {
    SimObject object{layout.type, address, layout.size, layout.instances, layout.reportIds, 0};
    if (layout.reportIds > 0) {
      object.firstReportId = nextReportId;
      nextReportId = static_cast<std::uint8_t>(nextReportId + layout.instances * layout.reportIds);
    }
    objects_.push_back(object);
    address = static_cast<std::uint16_t>(address + layout.size * layout.instances);
  }
  auto& mem = memory();
  mem[0] = 0x82;  // family
  mem[1] = 0x01;  // variant
  mem[2] = profile_.version;
  mem[3] = 0xAA;  // build
  mem[4] = profile_.matrixX;
  mem[5] = profile_.matrixY;
  mem[6] = static_cast<std::uint8_t>(objects_.size());
  for (std::size_t i = 0; i < objects_.size(); ++i) {
    const SimObject& o = objects_[i];
    std::uint8_t* entry = &mem[7 + 6 * i];
    entry[0] = o.type;
    entry[1] = static_cast<std::uint8_t>(o.address & 0xFF);
    entry[2] = static_cast<std::uint8_t>(o.address >> 8);
    entry[3] = static_cast<std::uint8_t>(o.size - 1);
    entry[4] = static_cast<std::uint8_t>(o.instances - 1);
    entry[5] = o.reportIds;
  }
}

const SimObject* SimTouchController::Find(std::uint8_t type) const {
  for (const SimObject& o : objects_)
    if (o.type == type) return &o;
  return nullptr;
}

std::uint8_t SimTouchController::ReportIdOf(std::uint8_t type) const {
  const SimObject* o = Find(type);
  return o != nullptr ? o->firstReportId : 0;
}

std::vector<std::uint8_t> SimTouchController::StatusMessage(std::uint8_t type, std::uint8_t status) const {
  return {ReportIdOf(type), status};
}

void SimTouchController::SetStartUpMessages(std::vector<std::vector<std::uint8_t>> messages) {
  startUpMessages_ = std::move(messages);
  messages_.assign(startUpMessages_.begin(), startUpMessages_.end());
}

void SimTouchController::PowerOn() {
  std::copy(backup_.begin(), backup_.end(), memory().begin());
  messages_.assign(startUpMessages_.begin(), startUpMessages_.end());
  selfTestRunning_ = false;
  diagnosticBusyReads_ = 0;
  page_ = 0;
}

std::vector<std::uint8_t> SimTouchController::ObjectBytes(std::uint8_t type, std::uint8_t instance) const {
  const SimObject* o = Find(type);
  if (o == nullptr) return {};
  return PeekBlock(static_cast<std::uint16_t>(o->address + instance * o->size), o->size);
}

bool SimTouchController::Covers(const SimObject* object, std::uint16_t address, std::size_t count,
                                std::size_t offset) const {
  return object != nullptr && address <= object->address + offset && object->address + offset < address + count;
}

// --- writes ----------------------------------------------------------------------

void SimTouchController::Write(std::uint16_t address, const std::uint8_t* data, std::size_t count) {
  SimController::Write(address, data, count);
  const SimObject* command = Find(6);
  for (std::size_t offset : {0, 1, 2, 3, 5}) {
    if (Covers(command, address, count, offset)) OnCommandByte(offset, data[command->address + offset - address]);
  }
  const SimObject* selfTest = Find(25);
  if (Covers(selfTest, address, count, 0) && data[selfTest->address - address] == 3) OnSelfTestWrite();
}

void SimTouchController::OnCommandByte(std::size_t offset, std::uint8_t value) {
  const std::uint16_t at = static_cast<std::uint16_t>(Find(6)->address + offset);
  const std::uint8_t cmd = ReportIdOf(6);
  switch (offset) {
    case 0:  // reset: settings come back from the last backup
      if (value == 0) return;
      ++resets_;
      PowerOn();
      break;
    case 1:  // backup
      if (value != 0x55) return;
      ++backups_;
      memory()[at] = 0;
      backup_.assign(memory().begin(), memory().end());
      break;
    case 2:  // calibrate: busy for two messages, then status 0
      if (value == 0) return;
      ++calibrations_;
      messages_.push_back({cmd, 0x04});
      messages_.push_back({cmd, 0x04});
      messages_.push_back({cmd, 0x00});
      break;
    case 3:  // report all
      if (value == 0) return;
      messages_.push_back(StatusMessage(6, 0));
      messages_.push_back(StatusMessage(25, 0));
      messages_.push_back(StatusMessage(46, 0));
      messages_.push_back(StatusMessage(6, 0));
      break;
    case 5:  // diagnostic mode; byte 5 reads back the mode once, then 0
      if (value == kReferenceMode) StartAcquisition();
      if (value == kNextPage) MovePage(+1);
      if (value == kPreviousPage) MovePage(-1);
      diagnosticBusyReads_ = value != 0 ? 1 : 0;
      return;
    default:
      return;
  }
  memory()[at] = 0;
}

void SimTouchController::OnSelfTestWrite() {
  const SimObject* selfTest = Find(25);
  selfTestRunning_ = true;
  selfTestBusyReads_ = profile_.selfTestBusyReads;
  memory()[selfTest->address + 1] = 0x12;
}

// --- acquisition --------------------------------------------------------------------

std::uint16_t SimTouchController::NodeValue(std::size_t node, bool baseline) {
  const int x = static_cast<int>(node / 52);
  const int y = static_cast<int>(node % 52);
  for (const NodeOverride& o : profile_.overrides)
    if (o.x == x && o.y == y) return o.value;
  const int span = std::max(1, profile_.highValue - profile_.lowValue - 2 * profile_.noise);
  const std::uint32_t pattern = static_cast<std::uint32_t>(node * 2654435761u) >> 7;
  int value = profile_.lowValue + profile_.noise + static_cast<int>(pattern % static_cast<std::uint32_t>(span));
  if (profile_.noise > 0) {
    std::uniform_int_distribution<int> noise(-profile_.noise, profile_.noise);
    value += noise(random_);
  }
  if (profile_.noisyColumn == x && profile_.noisyColumnNoise > 0) {
    std::uniform_int_distribution<int> noise(-profile_.noisyColumnNoise, profile_.noisyColumnNoise);
    value += noise(random_);
  }
  value += profile_.creepPerFilm * normalAcquisitions_;
  if (baseline) value -= profile_.baselineDrop;
  return static_cast<std::uint16_t>(std::clamp(value, 0, 65535));
}

void SimTouchController::StartAcquisition() {
  const SimObject* acquisition = Find(46);
  const bool baseline = acquisition != nullptr && memory()[acquisition->address + 9] == kBaselineSetting;
  for (std::size_t node = 0; node < kNodes; ++node) acquired_[node] = NodeValue(node, baseline);
  if (!baseline) ++normalAcquisitions_;
  page_ = 0;
  RefreshDiagnosticObject();
}

void SimTouchController::MovePage(int step) {
  ++pageCommands_;
  const int pages = std::max(1, profile_.matrixX * profile_.matrixY / 64);
  int next = page_ + step;
  if (profile_.pageSkew > 0) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    if (chance(random_) < profile_.pageSkew) next += step > 0 ? -1 : 1;  // the command did not take
  }
  if (pageCommands_ == pageLanding_.first) next = pageLanding_.second;
  page_ = ((next % pages) + pages) % pages;
  RefreshDiagnosticObject();
}

void SimTouchController::RefreshDiagnosticObject() {
  const SimObject* diagnostic = Find(37);
  auto& mem = memory();
  mem[diagnostic->address] = kReferenceMode;
  mem[diagnostic->address + 1] = static_cast<std::uint8_t>(page_);
  for (std::size_t i = 0; i < kNodesPerPage; ++i) {
    const std::size_t node = page_ * kNodesPerPage + i;
    const std::uint16_t value = node < kNodes ? acquired_[node] : 0;
    mem[diagnostic->address + 2 + 2 * i] = static_cast<std::uint8_t>(value & 0xFF);
    mem[diagnostic->address + 3 + 2 * i] = static_cast<std::uint8_t>(value >> 8);
  }
}

// --- reads ----------------------------------------------------------------------------

std::vector<std::uint8_t> SimTouchController::Read(std::uint16_t address, std::size_t count) {
  const SimObject* message = Find(5);
  if (message != nullptr && address == message->address) {
    std::vector<std::uint8_t> next(message->size, 0);
    next[0] = 0xFF;
    if (!messages_.empty()) {
      std::fill(next.begin(), next.end(), 0);
      const std::vector<std::uint8_t>& m = messages_.front();
      std::copy_n(m.begin(), std::min(m.size(), next.size()), next.begin());
      messages_.pop_front();
    }
    std::copy(next.begin(), next.end(), memory().begin() + message->address);
  }
  const SimObject* command = Find(6);
  if (command != nullptr && Covers(command, address, count, 5)) {
    if (diagnosticBusyReads_ > 0) {
      --diagnosticBusyReads_;
    } else {
      memory()[command->address + 5] = 0;
    }
  }
  const SimObject* selfTest = Find(25);
  if (selfTestRunning_ && Covers(selfTest, address, count, 1)) {
    if (selfTestBusyReads_ > 0 || profile_.selfTestNeverEnds) {
      if (selfTestBusyReads_ > 0) --selfTestBusyReads_;
    } else {
      selfTestRunning_ = false;
      memory()[selfTest->address + 1] = 0;
      messages_.push_back({ReportIdOf(25), profile_.selfTestCode, profile_.selfTestKind, profile_.selfTestX,
                           profile_.selfTestY});
    }
  }
  return SimController::Read(address, count);
}

}  // namespace vn
