#include "app/window_layout.h"

#include <cmath>

#include "app/control_ids.h"

namespace vn::app {

namespace {

// Left and width of a lower-row control, with its top and height in each layout.
struct LowerRowEntry {
  int id;
  double left, width;
  double screenTop, screenHeight;
  double clientTop, clientHeight;
};

constexpr LowerRowEntry kLowerRow[] = {
    {kOkCountId, 0.01, 0.1, 0.79, 0.05, 0.87, 0.06},
    {kNgCountId, 0.12, 0.1, 0.79, 0.05, 0.87, 0.06},
    {kYieldId, 0.23, 0.1, 0.79, 0.05, 0.87, 0.06},
    {kOkLabelId, 0.01, 0.1, 0.84, 0.035, 0.94, 0.035},
    {kNgLabelId, 0.12, 0.1, 0.84, 0.035, 0.94, 0.035},
    {kYieldLabelId, 0.23, 0.1, 0.84, 0.035, 0.94, 0.035},
    {kClearButtonId, 0.34, 0.07, 0.79, 0.05, 0.87, 0.05},
    {kLogId, 0.42, 0.25, 0.79, 0.1, 0.87, 0.13},
    {kStartButtonId, 0.68, 0.1, 0.79, 0.09, 0.87, 0.09},
    {kVerdictId, 0.79, 0.2, 0.79, 0.1, 0.87, 0.12},
};

// The lists: one list of `whole` height, or two of `half` height, the second
// starting at `secondTop`.
struct ListFractions {
  double whole, half, secondTop;
};

constexpr ListFractions kScreenLists{0.785, 0.39, 0.395};
constexpr ListFractions kClientLists{0.86, 0.43, 0.435};

int Floor(double value) { return int(std::floor(value)); }

}  // namespace

PixelRect PlaceByFractions(int w, int h, const Fractions& f) {
  return {Floor(w * f.left), Floor(h * f.top), Floor(w * f.width), Floor(h * f.height)};
}

WindowLayout ComputeWindowLayout(LayoutBasis basis, int w, int h, bool differenceCriterionOn) {
  const bool screen = basis == LayoutBasis::Screen;
  const ListFractions& lists = screen ? kScreenLists : kClientLists;
  WindowLayout layout;
  layout.differenceListShown = differenceCriterionOn;
  if (differenceCriterionOn) {
    layout.placements.push_back({kValueListId, PlaceByFractions(w, h, {0.001, 0.998, 0, lists.half})});
    layout.placements.push_back({kDifferenceListId, PlaceByFractions(w, h, {0.001, 0.998, lists.secondTop, lists.half})});
  } else {
    layout.placements.push_back({kValueListId, PlaceByFractions(w, h, {0.001, 0.998, 0, lists.whole})});
  }
  for (const LowerRowEntry& e : kLowerRow) {
    const Fractions f{e.left, e.width, screen ? e.screenTop : e.clientTop, screen ? e.screenHeight : e.clientHeight};
    layout.placements.push_back({e.id, PlaceByFractions(w, h, f)});
  }
  return layout;
}

const ControlPlacement* FindPlacement(const WindowLayout& layout, int id) {
  for (const ControlPlacement& p : layout.placements)
    if (p.id == id) return &p;
  return nullptr;
}

ScaledFontSizes ScaleFontSizes(int clientHeight, int screenHeight) {
  if (screenHeight <= 0) return {};
  return {Floor(double(clientHeight * 700) / screenHeight), Floor(double(clientHeight * 200) / screenHeight)};
}

}  // namespace vn::app
