#include "burn/burn_image.h"

namespace vn {

std::span<const ObjectImage, BurnImage::kBlockCount> BurnImage::Blocks() const { return blocks_; }

std::uint8_t BurnImage::SectionCount() const { return sectionCount_; }

ObjectImage* BurnImage::AddObjectSection() {
  if (sectionCount_ >= kBlockCount) return nullptr;
  return &blocks_[sectionCount_++];
}

void BurnImage::Clear() { *this = BurnImage{}; }

}  // namespace vn
