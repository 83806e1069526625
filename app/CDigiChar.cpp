#include "app/CDigiChar.h"

#include "app/digi_style.h"

namespace vn::app {

void CDigiChar::BuildSegments(std::uint8_t litMask, std::uint32_t style) {
  litMask_ = litMask;
  hideUnlit_ = (style & StyleHideUnlit) != 0;
}

}  // namespace vn::app
