#include "app/app_icon.h"

#include <QPixmap>

#include "app/CDigiStatic.h"
#include "app/colorref.h"

namespace vn::app {

QIcon ApplicationIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64}) {
    CDigiStatic digit;
    digit.resize(side, side);
    digit.SetDisplayBackground(kBlack);
    digit.SetSegmentColours(kLightGrey, kGreen);
    digit.ChangeDisplayStyle(0, StyleHideUnlit);
    digit.SetDisplayText("8");
    icon.addPixmap(digit.grab());
  }
  return icon;
}

}  // namespace vn::app
