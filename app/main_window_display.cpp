// The result display of the main window: node lists, verdict box, counters.
#include "app/CDigiStatic.h"
#include "app/CMyStatic.h"
#include "app/CMyUsbHidTestAppDlg.h"
#include "app/colorref.h"
#include "app/node_grid_model.h"
#include "app/node_list_view.h"
#include "engine/verdict.h"

namespace vn::app {

namespace {

Colorref VerdictBackground(const std::string& verdict) {
  if (verdict == "PASS") return kGreen;
  if (verdict == "NG") return kRed;
  return kBlue;
}

}  // namespace

void CMyUsbHidTestAppDlg::BuildNodeLists() {
  const TestParameters& p = tester_->state().testParameters;
  const ColumnWidths widths = NodeColumnWidths(screenSize_.width(), p.x_channel_valid);
  for (NodeListView* list : {valueList_, differenceList_}) {
    list->gridModel()->SetGrid(NodeGrid::ForParameters(p));
    list->ApplyColumnWidths(widths);
  }
}

// A confirmed configuration rebuilds the lists; the last film's values stay
// on them (shown for the configuration now in force) until the next film.
void CMyUsbHidTestAppDlg::RebuildNodeListsKeepingValues() {
  const auto anyFilled = [](const NodeGrid& grid) {
    for (int y = 0; y < grid.yChannels(); ++y)
      for (int x = 0; x < grid.xChannels(); ++x)
        if (grid.Cell(x, y).filled) return true;
    return false;
  };
  const bool values = anyFilled(valueModel_->grid());
  const bool differences = anyFilled(differenceModel_->grid());
  BuildNodeLists();
  if (values) FillValueList();
  if (differences) FillDifferenceList();
}

// A grid of another shape resets its view's columns: the lists are rebuilt
// for the configuration in force first.
void CMyUsbHidTestAppDlg::EnsureListShape() {
  const NodeGrid wanted = NodeGrid::ForParameters(tester_->state().testParameters);
  const NodeGrid& shown = valueModel_->grid();
  if (shown.xChannels() != wanted.xChannels() || shown.yChannels() != wanted.yChannels() ||
      differenceModel_->grid().xChannels() != wanted.xChannels() ||
      differenceModel_->grid().yChannels() != wanted.yChannels())
    BuildNodeLists();
}

void CMyUsbHidTestAppDlg::FillValueList() {
  EnsureListShape();
  const MainWindowState& s = tester_->state();
  NodeGrid grid = NodeGrid::ForParameters(s.testParameters);
  FillValueGrid(grid, s.testParameters, s.run.measuredValues);
  valueModel_->SetGrid(std::move(grid));
}

void CMyUsbHidTestAppDlg::FillDifferenceList() {
  EnsureListShape();
  const MainWindowState& s = tester_->state();
  NodeGrid grid = NodeGrid::ForParameters(s.testParameters);
  FillDifferenceGrid(grid, s.testParameters, s.run.differenceValues);
  differenceModel_->SetGrid(std::move(grid));
}

void CMyUsbHidTestAppDlg::ShowVerdictBox() {
  const std::string& verdict = tester_->state().verdictText;
  verdictBox_->SetBackgroundColour(VerdictBackground(verdict));
  verdictBox_->setText(QString::fromStdString(verdict));
  ShowVerdictReason();
  valueModel_->NotifyColoursChanged();
}

void CMyUsbHidTestAppDlg::ShowCounters() {
  const CounterTexts texts = FormatCounters(tester_->state().counters);
  okDisplay_->SetDisplayText(texts.ok);
  ngDisplay_->SetDisplayText(texts.ng);
  yieldDisplay_->SetDisplayText(texts.yield);
}

void CMyUsbHidTestAppDlg::ClearStatistics() {
  if (busy_ > 0) return;
  tester_->ClearStatistics();
}

}  // namespace vn::app
