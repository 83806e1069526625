// A decimal point or a colon: three squares of 9 x 9 design units in a
// character 18 units wide. The decimal point is the lowest square (bit 2),
// the colon the two upper ones (bits 0 and 1).
#pragma once

#include "app/CDigiChar.h"

namespace vn::app {

class CDigiColonDotChar : public CDigiChar {
 public:
  static constexpr int kDesignWidth = 18;
  static constexpr int kSegmentCount = 3;

  CDigiColonDotChar() : CDigiChar(kDesignWidth) {}
  void BuildSegments(std::uint8_t litMask, std::uint32_t style) override;
};

std::vector<DigiSegment> ColonDotOutlines();

}  // namespace vn::app
