#include "app/CDigi7Segment.h"

namespace vn::app {

namespace {

// Mirror lines: x = (49 - 1) / 2 = 24 and y = 41, so a point maps to 48 - x or 82 - y.
constexpr int kMirrorX = 2 * ((CDigi7Segment::kDesignWidth - 1) / 2);
constexpr int kMirrorY = kDigiDesignHeight - 1;

DigiPoint MirrorX(DigiPoint p) { return {kMirrorX - p.x, p.y}; }
DigiPoint MirrorY(DigiPoint p) { return {p.x, kMirrorY - p.y}; }
DigiPoint Turn(DigiPoint p) { return {kMirrorX - p.x, kMirrorY - p.y}; }

}  // namespace

std::vector<DigiSegment> SevenSegmentOutlines() {
  const DigiSegment top({{5, 4}, {12, 11}, {36, 11}, {43, 4}});
  const DigiSegment upperLeft({{4, 6}, {4, 40}, {11, 36}, {11, 13}});
  const DigiSegment middle({{6, 41}, {14, 45}, {34, 45}, {42, 41}, {34, 37}, {14, 37}});
  return {top,
          upperLeft,
          upperLeft.Mapped(MirrorX),
          middle,
          upperLeft.Mapped(MirrorY),
          upperLeft.Mapped(Turn),
          top.Mapped(MirrorY)};
}

void CDigi7Segment::BuildSegments(std::uint8_t litMask, std::uint32_t style) {
  SetSegments(SevenSegmentOutlines());
  CDigiChar::BuildSegments(litMask, style);
}

}  // namespace vn::app
