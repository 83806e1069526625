// The .xcfg parser: any bytes; an accepted image never holds a block larger
// than a block can, and a refused file leaves nothing to burn.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "burn/burn_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vn::BurnImage image;
  const vn::BurnParseResult result =
      vn::ParseBurnBytes(std::string_view(reinterpret_cast<const char*>(data), size), image);
  if (!result && !(image == vn::BurnImage{})) std::abort();
  if (image.SectionCount() > vn::BurnImage::kBlockCount) std::abort();
  for (const vn::ObjectImage& block : image.Blocks()) {
    if (block.Size() > vn::ObjectImage::kDataCapacity) std::abort();
    if (block.Data().size() != block.Size()) std::abort();
  }
  return 0;
}
