#include "app/digi_layout.h"

#include <algorithm>

#include "app/digi_style.h"
#include "app/digi_text.h"

namespace vn::app {

DigiLayout LayoutCharacters(const std::vector<CDigiChar>& characters, double clientWidth, double clientHeight,
                            std::uint32_t style) {
  DigiLayout layout;
  const int totalWidth = TotalDesignWidth(characters);
  if (totalWidth <= 0) return layout;
  layout.sx = clientWidth / totalWidth;
  layout.sy = clientHeight / kDigiDesignHeight;
  if ((style & StyleKeepAspect) != 0) {
    const double s = std::min(layout.sx, layout.sy);
    layout.sx = layout.sy = s;
    layout.x0 = (clientWidth - totalWidth * s) / 2;
    layout.y0 = (clientHeight - kDigiDesignHeight * s) / 2;
  }
  double x = layout.x0;
  for (const CDigiChar& c : characters) {
    const double width = c.designWidth() * layout.sx;
    layout.cells.push_back({x, layout.y0, width, kDigiDesignHeight * layout.sy});
    x += width;
  }
  return layout;
}

DigiPoint MapDesignPoint(DigiPoint design, const DigiRect& rect, int designWidth) {
  if (designWidth <= 0) return {int(rect.left + 0.5), int(rect.top + 0.5)};
  return {int(design.x * (rect.width / designWidth) + rect.left + 0.5),
          int(design.y * (rect.height / kDigiDesignHeight) + rect.top + 0.5)};
}

}  // namespace vn::app
