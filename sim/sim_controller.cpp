#include "sim/sim_controller.h"

namespace vn {

void SimController::Write(std::uint16_t address, const std::uint8_t* data, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) memory_[static_cast<std::uint16_t>(address + i)] = data[i];
}

std::vector<std::uint8_t> SimController::Read(std::uint16_t address, std::size_t count) {
  return PeekBlock(address, count);
}

std::vector<std::uint8_t> SimController::PeekBlock(std::uint16_t address, std::size_t count) const {
  std::vector<std::uint8_t> bytes(count);
  for (std::size_t i = 0; i < count; ++i) bytes[i] = memory_[static_cast<std::uint16_t>(address + i)];
  return bytes;
}

std::vector<std::vector<std::uint8_t>> SimController::TakePushedMessages() {
  std::vector<std::vector<std::uint8_t>> messages(pushed_.begin(), pushed_.end());
  pushed_.clear();
  return messages;
}

}  // namespace vn
