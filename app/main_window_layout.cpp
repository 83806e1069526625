// The proportional layouts of the main window.
#include "app/CMyStatic.h"
#include "app/CMyUsbHidTestAppDlg.h"
#include "app/control_ids.h"
#include "app/fonts.h"
#include "app/node_list_view.h"

namespace vn::app {

void CMyUsbHidTestAppDlg::ApplyLayout(const WindowLayout& layout) {
  for (const ControlPlacement& placement : layout.placements) {
    QWidget* widget = control(placement.id);
    if (widget == nullptr) continue;
    const PixelRect& r = placement.rect;
    widget->setGeometry(r.left, r.top, r.width, r.height);
    widget->update();
  }
  if (differenceList_ != nullptr) differenceList_->setVisible(layout.differenceListShown);
}

void CMyUsbHidTestAppDlg::ApplyScreenLayout() {
  const bool diffOn = tester_->state().diffCriterionEnabled != 0;
  ApplyLayout(ComputeWindowLayout(LayoutBasis::Screen, screenSize_.width(), screenSize_.height(), diffOn));
}

void CMyUsbHidTestAppDlg::ApplyClientLayout() {
  if (client_ == nullptr || tester_ == nullptr) return;  // a size change before the controls exist
  const bool diffOn = tester_->state().diffCriterionEnabled != 0;
  ApplyLayout(ComputeWindowLayout(LayoutBasis::Client, client_->width(), client_->height(), diffOn));
  const ScaledFontSizes fonts = ScaleFontSizes(client_->height(), screenSize_.height());
  MainWindowState& s = tester_->state();
  s.verdictFontSize = fonts.verdict;
  s.labelFontSize = fonts.label;
  ApplyFonts();
  update();
}

void CMyUsbHidTestAppDlg::ApplyFonts() {
  const MainWindowState& s = tester_->state();
  if (verdictBox_ != nullptr) verdictBox_->SetPointFont(s.verdictFontSize, kDialogFaceName);
  for (CMyStatic* label : {okLabel_, ngLabel_, yieldLabel_})
    if (label != nullptr) label->SetPointFont(s.labelFontSize, kDialogFaceName);
}

}  // namespace vn::app
