// Fills one ObjectImage from the content lines of its object section, which
// must come as OBJECT_ADDRESS, OBJECT_SIZE, then data lines in ascending
// offset, each starting where the previous one ended, the last one ending
// exactly at the size. Any other line is refused before it changes the block,
// so every byte lands where the file says it belongs.
#pragma once

#include <cstddef>
#include <string_view>

#include "burn/burn_parse_result.h"
#include "burn/object_image.h"
#include "burn/xcfg_line.h"

namespace vn {

class ObjectSectionWriter {
 public:
  explicit ObjectSectionWriter(ObjectImage& block) : block_(&block) {}

  // None when the line was taken.
  BurnRejection TakeLine(std::string_view line);

  // Address, size and all data bytes have been given.
  bool Complete() const { return expected_ == Expected::Nothing; }

 private:
  enum class Expected { Address, Size, Data, Nothing };

  BurnRejection TakeAddress(std::string_view valueText);
  BurnRejection TakeSize(std::string_view valueText);
  BurnRejection TakeData(const DataLineKey& key, std::string_view valueText);

  ObjectImage* block_;
  Expected expected_ = Expected::Address;
  std::size_t stored_ = 0;  // data bytes given so far
};

}  // namespace vn
