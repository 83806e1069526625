// Style flags and colours of the segment display. Colours are 24-bit values
// written 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace vn::app {

using Colorref = std::uint32_t;

// Characters keep their design proportions and are centred.
inline constexpr std::uint32_t StyleKeepAspect = 4;
// Unlit segments are not drawn at all.
inline constexpr std::uint32_t StyleHideUnlit = 8;
// A segment's outline is 3/4 of its colour and 1/4 of the background colour.
inline constexpr std::uint32_t StyleSoftOutline = 16;
inline constexpr std::uint32_t kDefaultDigiStyle = StyleKeepAspect | StyleSoftOutline;  // 0x14

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr Rgb ToRgb(Colorref colour) {
  return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

constexpr Colorref ToColorref(Rgb rgb) {
  return Colorref(rgb.red) | (Colorref(rgb.green) << 8) | (Colorref(rgb.blue) << 16);
}

// The outline colour of a segment: per component the integer part of
// 0.75 * segment + 0.25 * background with StyleSoftOutline, else the segment colour.
Colorref OutlineColour(Colorref segment, Colorref background, std::uint32_t style);

}  // namespace vn::app
