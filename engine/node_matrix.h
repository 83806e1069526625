// The electrode matrix of the controller: 32 X channels by 52 Y channels, one
// 16-bit value per node. The shape is fixed; the configured channel counts
// only limit what is shown and judged. Node (x, y) sits at flat index 52*x + y,
// the order in which the controller's diagnostic pages deliver the values.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vn {

inline constexpr std::size_t kXChannelCount = 32;
inline constexpr std::size_t kYChannelCount = 52;
inline constexpr std::size_t kNodeCount = kXChannelCount * kYChannelCount;  // 1664

constexpr std::size_t NodeIndex(std::size_t x, std::size_t y) { return kYChannelCount * x + y; }

// A node named by its channels, as reports list failing nodes.
struct NodePosition {
  std::uint8_t x = 0;
  std::uint8_t y = 0;
  friend bool operator==(const NodePosition&, const NodePosition&) = default;
};

template <typename Value>
struct BasicNodeMatrix {
  std::array<Value, kNodeCount> values{};

  // x < 32 and y < 52; the caller keeps to the shape.
  Value& At(std::size_t x, std::size_t y) { return values[NodeIndex(x, y)]; }
  const Value& At(std::size_t x, std::size_t y) const { return values[NodeIndex(x, y)]; }

  friend bool operator==(const BasicNodeMatrix&, const BasicNodeMatrix&) = default;
};

// Raw values of an acquisition.
using NodeMatrix = BasicNodeMatrix<std::uint16_t>;
// Per-node differences between two acquisitions.
using DifferenceMatrix = BasicNodeMatrix<std::int16_t>;

}  // namespace vn
