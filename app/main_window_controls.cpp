// The controls of the main window and their first appearance.
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/CDigiStatic.h"
#include "app/CMyStatic.h"
#include "app/CMyUsbHidTestAppDlg.h"
#include "app/colorref.h"
#include "app/control_ids.h"
#include "app/fonts.h"
#include "app/node_grid_model.h"
#include "app/node_list_view.h"
#include "app/verdict_reason_line.h"
#include "engine/verdict.h"

namespace vn::app {

namespace {

CDigiStatic* NewCounterDisplay(QWidget* parent) {
  auto* display = new CDigiStatic(parent);
  display->setAttribute(Qt::WA_TransparentForMouseEvents);
  return display;
}

void PrepareCounterDisplay(CDigiStatic& display, Colorref lit, const std::string& text) {
  display.SetDisplayBackground(kBlack);
  display.SetSegmentColours(kLightGrey, lit);
  display.ChangeDisplayStyle(0, StyleHideUnlit);
  display.SetDisplayText(text);
}

void PrepareStatic(CMyStatic& control, int fontSize, Colorref text, Colorref background, const QString& caption) {
  control.SetPointFont(fontSize, kDialogFaceName);
  control.SetTextColour(text);
  control.SetBackgroundColour(background);
  control.setText(caption);
}

}  // namespace

void CMyUsbHidTestAppDlg::CreateControls() {
  client_ = new QWidget(this);
  setCentralWidget(client_);
  client_->installEventFilter(this);  // its size changes drive the client layout

  valueModel_ = new NodeGridModel(this);
  differenceModel_ = new NodeGridModel(this);
  valueList_ = new NodeListView(valueModel_, client_);
  differenceList_ = new NodeListView(differenceModel_, client_);
  differenceModel_->SetTitle(QStringLiteral("差值"));  // tells the second list from the first
  differenceList_->hide();

  logBox_ = new QPlainTextEdit(client_);
  logBox_->setReadOnly(true);
  logBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  logBox_->setMaximumBlockCount(kLogLineLimit);
  logBox_->setFocusPolicy(Qt::ClickFocus);

  okDisplay_ = NewCounterDisplay(client_);
  ngDisplay_ = NewCounterDisplay(client_);
  yieldDisplay_ = NewCounterDisplay(client_);
  okLabel_ = new CMyStatic(QStringLiteral("OK 数量"), client_);
  ngLabel_ = new CMyStatic(QStringLiteral("NG 数量"), client_);
  yieldLabel_ = new CMyStatic(QStringLiteral("良率"), client_);
  for (CMyStatic* label : {okLabel_, ngLabel_, yieldLabel_}) label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verdictBox_ = new CMyStatic(QStringLiteral("WAIT"), client_);
  verdictBox_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  verdictBox_->setAlignment(Qt::AlignCenter);
  verdictReason_ = new VerdictReasonLine(verdictBox_);

  clearButton_ = new QPushButton(QStringLiteral("统计清零"), client_);
  startButton_ = new QPushButton(QStringLiteral("开始"), client_);
  startButton_->setEnabled(false);
  connect(clearButton_, &QPushButton::clicked, this, [this] { ClearStatistics(); });
  connect(startButton_, &QPushButton::clicked, this, [this] { RunTest(); });

  const auto valueColour = [this](int x, int y, std::int64_t value) {
    const MainWindowState& s = tester_->state();
    const ValueBasis basis{s.testParameters, s.criterion, s.sampleLimits};
    const bool judged = s.run.purpose == RunPurpose::Film;  // a capture is judged by nothing
    return ValueCellColour({basis, s.run.selfTestFaultX, s.run.selfTestFaultY, judged}, x, y, value);
  };
  const auto differenceColour = [this](int x, int y, std::int64_t value) {
    const MainWindowState& s = tester_->state();
    const bool judged = s.diffCriterionEnabled != 0 && s.run.purpose == RunPurpose::Film;
    return DifferenceCellColour({s.testParameters, judged, s.differenceLimits}, x, y, value);
  };
  valueModel_->SetColourRule(valueColour);
  differenceModel_->SetColourRule(differenceColour);
}

void CMyUsbHidTestAppDlg::PrepareCounterDisplays() {
  const CounterTexts texts = FormatCounters(tester_->state().counters);
  PrepareCounterDisplay(*okDisplay_, kGreen, texts.ok);
  PrepareCounterDisplay(*ngDisplay_, kRed, texts.ng);
  PrepareCounterDisplay(*yieldDisplay_, kMagenta, texts.yield);
}

void CMyUsbHidTestAppDlg::PrepareStatics() {
  const MainWindowState& s = tester_->state();
  PrepareStatic(*verdictBox_, s.verdictFontSize, kWhite, kBlue, QStringLiteral("WAIT"));
  PrepareStatic(*okLabel_, s.labelFontSize, kPurple, kPaleGrey, QStringLiteral("OK数量"));
  PrepareStatic(*ngLabel_, s.labelFontSize, kPurple, kPaleGrey, QStringLiteral("NG数量"));
  PrepareStatic(*yieldLabel_, s.labelFontSize, kPurple, kPaleGrey, QStringLiteral("良率"));
}

QWidget* CMyUsbHidTestAppDlg::control(int id) const {
  switch (id) {
    case kStartButtonId: return startButton_;
    case kValueListId: return valueList_;
    case kLogId: return logBox_;
    case kOkCountId: return okDisplay_;
    case kNgCountId: return ngDisplay_;
    case kYieldId: return yieldDisplay_;
    case kOkLabelId: return okLabel_;
    case kNgLabelId: return ngLabel_;
    case kClearButtonId: return clearButton_;
    case kYieldLabelId: return yieldLabel_;
    case kVerdictId: return verdictBox_;
    case kDifferenceListId: return differenceList_;
    default: return nullptr;
  }
}

}  // namespace vn::app
