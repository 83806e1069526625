// The image of one controller object as a ".xcfg" file gives it: a block of
// 256 bytes holding the object's start address in controller memory
// (bytes 0..1, little-endian), its size (byte 2) and its data (bytes 3..255,
// in address order). The block can only be changed through its setters, which
// never write outside it: the size is at most kDataCapacity and data bytes go
// only below the size.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vn {

class ObjectImage {
 public:
  static constexpr std::size_t kBlockBytes = 256;
  static constexpr std::size_t kHeaderBytes = 3;
  static constexpr std::size_t kDataCapacity = kBlockBytes - kHeaderBytes;  // 253

  std::uint16_t Address() const;
  std::uint8_t Size() const;
  std::span<const std::uint8_t> Data() const;  // the first Size() data bytes
  std::span<const std::uint8_t, kBlockBytes> Bytes() const;

  void SetAddress(std::uint16_t address);
  bool SetSize(std::size_t size);                           // false, nothing changed, above kDataCapacity
  bool SetDataByte(std::size_t index, std::uint8_t value);  // false, nothing changed, at or beyond Size()

  bool operator==(const ObjectImage&) const = default;

 private:
  std::array<std::uint8_t, kBlockBytes> bytes_{};
};

}  // namespace vn
