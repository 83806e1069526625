// The six channel check lists of the configuration dialog: per axis a
// display list, a visible-area list and a key-area list, one item per channel
// ("X 0" .. "X31", "Y 0" .. "Y51"), and the rules that tie them together.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/test_parameters.h"

namespace vn {

enum class ChannelAxis { X, Y };
enum class ChannelList { Display, VisibleArea, KeyArea };

// 32 items on the X axis, 52 on the Y axis.
std::size_t ChannelItemCount(ChannelAxis axis);

// "X" or "Y" and the channel right-aligned in two characters: "X 0", "Y51".
std::string ChannelItemText(ChannelAxis axis, std::size_t channel);

// The check states of the three lists of one axis (cells past the axis's
// item count stay 0).
struct AxisChecks {
  ChannelFlags display{};
  ChannelFlags visibleArea{};
  ChannelFlags keyArea{};

  ChannelFlags& List(ChannelList list);
  const ChannelFlags& List(ChannelList list) const;

  friend bool operator==(const AxisChecks&, const AxisChecks&) = default;
};

// A new channel count typed into the axis's count edit: channels below the
// count are displayed and tested as visible area, no channel stays in the
// key area, and channels from the count on are in no list.
void ApplyChannelCount(AxisChecks& checks, ChannelAxis axis, std::int64_t count);

// The key channels of an axis as the key-area list marks them.
struct KeyChannels {
  ChannelFlags flags{};
  std::uint8_t count = 0;

  friend bool operator==(const KeyChannels&, const KeyChannels&) = default;
};

KeyChannels CountKeyChannels(const ChannelFlags& keyChecks, ChannelAxis axis);

// "定义多行按键" is offered while at least two key channels are marked on each axis.
bool MultiKeyDefinitionOffered(const KeyChannels& x, const KeyChannels& y);

}  // namespace vn
