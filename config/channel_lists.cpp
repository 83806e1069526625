#include "config/channel_lists.h"

#include <algorithm>

#include "platform/format.h"

namespace vn {

std::size_t ChannelItemCount(ChannelAxis axis) { return axis == ChannelAxis::X ? kXChannelCount : kYChannelCount; }

std::string ChannelItemText(ChannelAxis axis, std::size_t channel) {
  return (axis == ChannelAxis::X ? "X" : "Y") + P2(static_cast<std::int32_t>(channel));
}

ChannelFlags& AxisChecks::List(ChannelList list) {
  switch (list) {
    case ChannelList::Display: return display;
    case ChannelList::VisibleArea: return visibleArea;
    case ChannelList::KeyArea: break;
  }
  return keyArea;
}

const ChannelFlags& AxisChecks::List(ChannelList list) const {
  return const_cast<AxisChecks&>(*this).List(list);
}

void ApplyChannelCount(AxisChecks& checks, ChannelAxis axis, std::int64_t count) {
  const std::size_t items = ChannelItemCount(axis);
  const std::size_t used = static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, static_cast<std::int64_t>(items)));
  for (std::size_t i = 0; i < items; ++i) {
    const std::uint8_t inUse = i < used ? 1 : 0;
    checks.display[i] = inUse;
    checks.visibleArea[i] = inUse;
    checks.keyArea[i] = 0;
  }
}

KeyChannels CountKeyChannels(const ChannelFlags& keyChecks, ChannelAxis axis) {
  KeyChannels keys;
  for (std::size_t i = 0; i < ChannelItemCount(axis); ++i) {
    keys.flags[i] = keyChecks[i] != 0 ? 1 : 0;
    keys.count = static_cast<std::uint8_t>(keys.count + keys.flags[i]);
  }
  return keys;
}

bool MultiKeyDefinitionOffered(const KeyChannels& x, const KeyChannels& y) { return x.count > 1 && y.count > 1; }

}  // namespace vn
