// The test configuration record: which channels exist, which of them are
// shown, which form the visible-area and key test regions, the value limits
// of each region and the layout of multi-row keys. Every run of the program
// starts from the defaults below; only an import or a save changes it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "engine/node_matrix.h"

namespace vn {

// Flag arrays have 52 cells for X as well as Y so that one file syntax serves
// both; only cells 0..31 of an X array can mean anything.
inline constexpr std::size_t kChannelFlagCount = kYChannelCount;
// Multi-row keys: at most 8 key X channels by 8 key Y channels.
inline constexpr std::size_t kKeyMatrixSize = 8;

using ChannelFlags = std::array<std::uint8_t, kChannelFlagCount>;
using KeyMatrix = std::array<std::array<std::uint8_t, kKeyMatrixSize>, kKeyMatrixSize>;

// Flags with cells 0..count-1 set and the rest clear.
constexpr ChannelFlags FirstChannelsSet(std::size_t count) {
  ChannelFlags flags{};
  for (std::size_t i = 0; i < count && i < flags.size(); ++i) flags[i] = 1;
  return flags;
}

struct TestParameters {
  std::uint8_t x_channel_valid = 32;      // 1..32
  std::uint8_t y_channel_valid = 52;      // 1..52
  std::uint16_t rawdata_va_min = 19000;   // 16000..40000
  std::uint16_t rawdata_va_max = 28000;   // rawdata_va_min+1..40000
  std::uint16_t rawdata_key_min = 19000;  // 16000..40000
  std::uint16_t rawdata_key_max = 28000;  // rawdata_key_min+1..40000
  ChannelFlags display_area_x = FirstChannelsSet(kXChannelCount);
  ChannelFlags display_area_y = FirstChannelsSet(kYChannelCount);
  ChannelFlags test_va_area_x = FirstChannelsSet(kXChannelCount);
  ChannelFlags test_va_area_y = FirstChannelsSet(kYChannelCount);
  ChannelFlags test_key_area_x{};
  ChannelFlags test_key_area_y{};
  std::uint8_t test_key_number_x = 0;  // taken from the file as it stands
  std::uint8_t test_key_number_y = 0;
  // Multi-row key layout as the file holds it: [column][row], column = key-X
  // ordinal, row = key-Y ordinal; 1 marks a crossing that carries a key.
  KeyMatrix multikey_matrix{};
  // The same layout indexed [row][column]; kept equal to multikey_matrix by
  // RebuildKeyNodeMap, which every writer of multikey_matrix calls.
  KeyMatrix key_node_map{};

  void RebuildKeyNodeMap();

  friend bool operator==(const TestParameters&, const TestParameters&) = default;
};

// The key ordinal of a channel: how many channels below it are marked in the
// key flags. Key X ordinals number the matrix columns, key Y ordinals its rows.
std::size_t KeyOrdinal(const ChannelFlags& keyFlags, std::size_t channel);

}  // namespace vn
