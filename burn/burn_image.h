// The object contents parsed from a ".xcfg" file: 64 ObjectImage blocks,
// filled in the order of the file's object sections, and the number of object
// sections met. Blocks the file does not fill stay all zeros (size 0, so the
// burn writes nothing for them).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "burn/object_image.h"

namespace vn {

class BurnImage {
 public:
  static constexpr std::size_t kBlockCount = 64;

  std::span<const ObjectImage, kBlockCount> Blocks() const;
  std::uint8_t SectionCount() const;

  // Counts one more object section and returns its block; nullptr, nothing
  // changed, when all blocks are taken.
  ObjectImage* AddObjectSection();

  void Clear();

  bool operator==(const BurnImage&) const = default;

 private:
  std::array<ObjectImage, kBlockCount> blocks_{};
  std::uint8_t sectionCount_ = 0;
};

}  // namespace vn
