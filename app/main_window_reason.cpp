// Every NG explains itself: the reason line under the verdict, and the node
// that failed first brought into view in its list, which may be scrolled
// far from it.
#include <algorithm>

#include "app/CMyUsbHidTestAppDlg.h"
#include "app/node_grid_model.h"
#include "app/node_list_view.h"
#include "app/verdict_reason_line.h"

namespace vn::app {

namespace {

void ScrollToNode(NodeListView& list, NodePosition node) {
  const NodeGridModel& model = *list.gridModel();
  const int row = std::min<int>(node.y, model.rowCount() - 1);
  const int column = std::min<int>(node.x + 1, model.columnCount() - 1);
  if (row < 0 || column < 1) return;
  list.scrollTo(model.index(row, column), QAbstractItemView::PositionAtCenter);
}

// The channels the self test blamed (stored as channel + 1, 0 for none).
std::optional<NodePosition> SelfTestFaultNode(const RunState& run) {
  if (run.selfTestFaultX == 0 && run.selfTestFaultY == 0) return std::nullopt;
  const auto channel = [](std::uint8_t stored) { return static_cast<std::uint8_t>(stored == 0 ? 0 : stored - 1); };
  return NodePosition{channel(run.selfTestFaultX), channel(run.selfTestFaultY)};
}

}  // namespace

void CMyUsbHidTestAppDlg::ShowVerdictReason() {
  const MainWindowState& s = tester_->state();
  const bool shown = s.verdictText != "WAIT";
  verdictReason_->SetReason(shown ? QString::fromStdString(s.run.reason.text) : QString());
}

void CMyUsbHidTestAppDlg::BringFailingNodesIntoView() {
  const RunState& run = tester_->state().run;
  const std::optional<NodePosition> valueNode = run.reason.failingValue ? run.reason.failingValue
                                                                        : SelfTestFaultNode(run);
  if (valueNode) ScrollToNode(*valueList_, *valueNode);
  if (run.reason.failingDifference && differenceList_->isVisible())
    ScrollToNode(*differenceList_, *run.reason.failingDifference);
}

}  // namespace vn::app
