// The simulated touch controller behind the board's bridge: 64 KiB of memory
// that memory transfers read and write. Controllers with objects, commands and
// messages build on it by overriding the hooks.
//
// Thread rule: called by the simulated board under its own lock only.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <vector>

namespace vn {

class SimController {
 public:
  virtual ~SimController() = default;

  // A memory transfer: the bridge writes the data bytes at address, then reads
  // readCount bytes from address.
  virtual void Write(std::uint16_t address, const std::uint8_t* data, std::size_t count);
  virtual std::vector<std::uint8_t> Read(std::uint16_t address, std::size_t count);

  // Messages the controller raises on its own, forwarded by the board as 0xFA
  // reports (report id first, then the message data).
  std::vector<std::vector<std::uint8_t>> TakePushedMessages();

  std::uint8_t Peek(std::uint16_t address) const { return memory_[address]; }
  void Poke(std::uint16_t address, std::uint8_t value) { memory_[address] = value; }
  std::vector<std::uint8_t> PeekBlock(std::uint16_t address, std::size_t count) const;

 protected:
  void PushMessage(std::vector<std::uint8_t> message) { pushed_.push_back(std::move(message)); }
  std::array<std::uint8_t, 65536>& memory() { return memory_; }

 private:
  std::array<std::uint8_t, 65536> memory_{};
  std::deque<std::vector<std::uint8_t>> pushed_;
};

}  // namespace vn
