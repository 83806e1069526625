#include "app/digi_style.h"

namespace vn::app {

namespace {

int Blend(int segment, int background) { return int(0.75 * segment + 0.25 * background); }

}  // namespace

Colorref OutlineColour(Colorref segment, Colorref background, std::uint32_t style) {
  if ((style & StyleSoftOutline) == 0) return segment;
  const Rgb s = ToRgb(segment);
  const Rgb b = ToRgb(background);
  return ToColorref({Blend(s.red, b.red), Blend(s.green, b.green), Blend(s.blue, b.blue)});
}

}  // namespace vn::app
