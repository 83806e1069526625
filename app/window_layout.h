// Proportional placement of the main window's controls. Every rectangle is a
// fixed fraction of a reference width W and height H: the screen for the
// screen-proportional layout, the client area for the client-proportional one.
#pragma once

#include <vector>

namespace vn::app {

enum class LayoutBasis { Screen, Client };

struct Fractions {
  double left = 0;
  double width = 0;
  double top = 0;
  double height = 0;
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// left = floor(W a), width = floor(W b), top = floor(H c), height = floor(H d).
PixelRect PlaceByFractions(int referenceWidth, int referenceHeight, const Fractions& fractions);

struct ControlPlacement {
  int id = 0;
  PixelRect rect;
};

struct WindowLayout {
  std::vector<ControlPlacement> placements;  // the second list only while it is shown
  bool differenceListShown = false;
};

// The placements of both lists and the lower row. The second node list is
// placed and shown only while the difference criterion is on.
WindowLayout ComputeWindowLayout(LayoutBasis basis, int referenceWidth, int referenceHeight,
                                 bool differenceCriterionOn);

// The placement of one control in a layout, or nullptr.
const ControlPlacement* FindPlacement(const WindowLayout& layout, int id);

// Fonts of the client-proportional layout, tenths of a point:
// floor(client height * 700 / screen height) and floor(client height * 200 / screen height).
struct ScaledFontSizes {
  int verdict = 700;
  int label = 200;
  friend bool operator==(const ScaledFontSizes&, const ScaledFontSizes&) = default;
};
ScaledFontSizes ScaleFontSizes(int clientHeight, int screenHeight);

}  // namespace vn::app
