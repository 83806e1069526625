#include "burn/object_image.h"

namespace vn {

std::uint16_t ObjectImage::Address() const {
  return static_cast<std::uint16_t>(bytes_[0] | (bytes_[1] << 8));
}

std::uint8_t ObjectImage::Size() const { return bytes_[2]; }

std::span<const std::uint8_t> ObjectImage::Data() const {
  return std::span<const std::uint8_t>(bytes_).subspan(kHeaderBytes, Size());
}

std::span<const std::uint8_t, ObjectImage::kBlockBytes> ObjectImage::Bytes() const { return bytes_; }

void ObjectImage::SetAddress(std::uint16_t address) {
  bytes_[0] = static_cast<std::uint8_t>(address & 0xFF);
  bytes_[1] = static_cast<std::uint8_t>(address >> 8);
}

bool ObjectImage::SetSize(std::size_t size) {
  if (size > kDataCapacity) return false;
  bytes_[2] = static_cast<std::uint8_t>(size);
  return true;
}

bool ObjectImage::SetDataByte(std::size_t index, std::uint8_t value) {
  if (index >= Size()) return false;
  bytes_[kHeaderBytes + index] = value;
  return true;
}

}  // namespace vn
