// Which nodes a sample file speaks about: the display nodes inside the
// channels in use, of which only the VA and KEY nodes carry a value.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "config/test_parameters.h"
#include "engine/node_judgement.h"

namespace vn {

inline std::size_t SampleXChannels(const TestParameters& p) {
  return std::min<std::size_t>(p.x_channel_valid, kXChannelCount);
}

inline std::size_t SampleYChannels(const TestParameters& p) {
  return std::min<std::size_t>(p.y_channel_valid, kYChannelCount);
}

inline bool IsDisplayNode(const TestParameters& p, std::size_t x, std::size_t y) {
  return p.display_area_x[x] != 0 && p.display_area_y[y] != 0;
}

inline bool CarriesSampleValue(NodeArea area) { return area == NodeArea::Visible || area == NodeArea::Key; }

// Calls visit(x, y, area) for every display node inside the channels in use,
// Y channel by Y channel and, within one, in ascending X.
template <typename Visit>
void ForEachDisplayNode(const TestParameters& p, Visit visit) {
  for (std::size_t y = 0; y < SampleYChannels(p); ++y) {
    if (p.display_area_y[y] == 0) continue;
    for (std::size_t x = 0; x < SampleXChannels(p); ++x) {
      if (p.display_area_x[x] == 0) continue;
      const auto cx = static_cast<std::uint8_t>(x);
      const auto cy = static_cast<std::uint8_t>(y);
      visit(cx, cy, ClassifyNode(p, cx, cy));
    }
  }
}

}  // namespace vn
