// One character of the segment display: its segments in design units (the
// design height is always 83), which of them are lit, and its design width.
// Subclasses only build the segment list, so characters are kept by value.
#pragma once

#include <cstdint>
#include <vector>

#include "app/DigiSegment.h"

namespace vn::app {

inline constexpr int kDigiDesignHeight = 83;

class CDigiChar {
 public:
  CDigiChar() = default;
  virtual ~CDigiChar() = default;
  CDigiChar(const CDigiChar&) = default;
  CDigiChar& operator=(const CDigiChar&) = default;

  // Subclasses build their segments first, then call this to store the lit
  // mask and take the hide-unlit flag from the style.
  virtual void BuildSegments(std::uint8_t litMask, std::uint32_t style);

  int designWidth() const { return designWidth_; }
  int segmentCount() const { return int(segments_.size()); }
  std::uint8_t litMask() const { return litMask_; }
  bool hideUnlit() const { return hideUnlit_; }
  bool SegmentLit(int index) const { return index >= 0 && index < 8 && (litMask_ >> index & 1) != 0; }
  const std::vector<DigiSegment>& segments() const { return segments_; }

 protected:
  explicit CDigiChar(int designWidth) : designWidth_(designWidth) {}
  void SetSegments(std::vector<DigiSegment> segments) { segments_ = std::move(segments); }

 private:
  int designWidth_ = 0;
  std::uint8_t litMask_ = 0;
  bool hideUnlit_ = false;
  std::vector<DigiSegment> segments_;
};

}  // namespace vn::app
