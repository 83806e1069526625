// 24-bit colours written 0x00BBGGRR, as the tester names its colours, and
// their Qt counterparts.
#pragma once

#include <QColor>

#include "app/digi_style.h"

namespace vn::app {

inline constexpr Colorref kRed = 0x0000FF;
inline constexpr Colorref kGreen = 0x00FF00;
inline constexpr Colorref kBlue = 0xFF0000;
inline constexpr Colorref kWhite = 0xFFFFFF;
inline constexpr Colorref kBlack = 0x000000;
inline constexpr Colorref kMagenta = 0xFF00FF;
inline constexpr Colorref kPurple = 0x800080;
inline constexpr Colorref kLightGrey = 0xC0C0C0;
inline constexpr Colorref kPaleGrey = 0xF0F0F0;

inline QColor ToQColor(Colorref colour) {
  const Rgb rgb = ToRgb(colour);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace vn::app
