// Where the characters of a segment display go in its client area, and how
// a design point maps to a device pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "app/CDigiChar.h"

namespace vn::app {

struct DigiRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct DigiLayout {
  double sx = 0;  // device units per design unit, horizontally
  double sy = 0;  // and vertically
  double x0 = 0;  // left of the first character
  double y0 = 0;  // top of every character
  std::vector<DigiRect> cells;  // one per character, left to right
};

// sx = client width / total design width, sy = client height / 83; with
// StyleKeepAspect both become the smaller and the text is centred. A text
// without width has no cells.
DigiLayout LayoutCharacters(const std::vector<CDigiChar>& characters, double clientWidth, double clientHeight,
                            std::uint32_t style);

// The device point of a design point inside a character's rectangle:
// integer part of px * (rect width / design width) + left + 0.5, likewise for y.
DigiPoint MapDesignPoint(DigiPoint design, const DigiRect& rect, int designWidth);

}  // namespace vn::app
