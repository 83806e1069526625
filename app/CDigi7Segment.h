// A digit, blank or minus sign in seven segments, 49 design units wide.
// Segment bits: 0 top, 1 upper left, 2 upper right, 3 middle, 4 lower left,
// 5 lower right, 6 bottom.
#pragma once

#include "app/CDigiChar.h"

namespace vn::app {

class CDigi7Segment : public CDigiChar {
 public:
  static constexpr int kDesignWidth = 49;
  static constexpr int kSegmentCount = 7;

  CDigi7Segment() : CDigiChar(kDesignWidth) {}
  void BuildSegments(std::uint8_t litMask, std::uint32_t style) override;
};

// The seven outlines, in segment-bit order. Three are stored; the others are
// their mirror images about x = 24 and y = 41.
std::vector<DigiSegment> SevenSegmentOutlines();

}  // namespace vn::app
