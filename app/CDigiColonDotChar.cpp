#include "app/CDigiColonDotChar.h"

namespace vn::app {

namespace {

constexpr int kLeft = 4;
constexpr int kSide = 9;

DigiSegment Square(int top) {
  return DigiSegment({{kLeft, top}, {kLeft, top + kSide}, {kLeft + kSide, top + kSide}, {kLeft + kSide, top}});
}

}  // namespace

std::vector<DigiSegment> ColonDotOutlines() { return {Square(23), Square(50), Square(68)}; }

void CDigiColonDotChar::BuildSegments(std::uint8_t litMask, std::uint32_t style) {
  SetSegments(ColonDotOutlines());
  CDigiChar::BuildSegments(litMask, style);
}

}  // namespace vn::app
