// What the core asks of the main window: message boxes, enabled controls and
// refreshed parts of the result display.
#include <QAction>
#include <QPushButton>

#include "app/CMyUsbHidTestAppDlg.h"

namespace vn::app {

MessageResult CMyUsbHidTestAppDlg::ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                                                MessageButtons buttons) {
  const MessageRequest request{this, text, caption.empty() ? std::string(kApplicationTitle) : caption, icon, buttons};
  return answerer_ ? answerer_(request) : ShowMessageBox(request);
}

void CMyUsbHidTestAppDlg::SetEnabled(Control control, bool enabled) {
  switch (control) {
    case Control::StartButton: startButton_->setEnabled(enabled); break;
    case Control::BurnMenuItem: burnAction_->setEnabled(enabled); break;
    case Control::ArrangeSampleMenuItem: arrangeSampleAction_->setEnabled(enabled); break;
  }
}

void CMyUsbHidTestAppDlg::DisplayChanged(DisplayChange change) {
  switch (change) {
    case DisplayChange::Verdict: ShowVerdictBox(); break;
    case DisplayChange::Counters: ShowCounters(); break;
    case DisplayChange::ValueList: FillValueList(); break;
    case DisplayChange::DifferenceList: FillDifferenceList(); break;
    case DisplayChange::NodeLists: RebuildNodeListsKeepingValues(); break;
  }
}

}  // namespace vn::app
