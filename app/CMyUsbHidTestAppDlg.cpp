#include "app/CMyUsbHidTestAppDlg.h"

#include "config/CFileDialogChooser.h"
#include "results/results_recorder.h"
#include "samples/CArrangeSample.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>

#include "app/app_icon.h"
#include "app/fonts.h"
#include "app/node_grid_model.h"

#ifndef VN_VERSION
#define VN_VERSION "0.0.0"
#endif

namespace vn::app {

namespace {

// The window's nominal size before it is first maximised.
constexpr int kNominalWidth = 1203;
constexpr int kNominalHeight = 692;

QSize PrimaryScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->size() : QSize(kNominalWidth, kNominalHeight);
}

}  // namespace

QString MainWindowCaption(bool simulatedBoard) {
  QString caption = QString::fromUtf8(kApplicationTitle) + QStringLiteral(" V") + QStringLiteral(VN_VERSION);
  if (simulatedBoard) caption += QStringLiteral("（模拟测试板）");
  return caption;
}

CMyUsbHidTestAppDlg::CMyUsbHidTestAppDlg(HidBackend& backend, MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent),
      tester_(std::make_unique<Tester>(backend, static_cast<Presenter&>(*this), options.tester)),
      watcher_(backend),
      answerer_(std::move(options.answerer)),
      askSerial_(options.askSerial),
      ownFileChooser_(std::make_unique<CFileDialogChooser>(this)),
      fileChooser_(options.fileChooser != nullptr ? options.fileChooser : ownFileChooser_.get()) {
  if (!options.resultsFolder.empty())
    recorder_ = std::make_unique<ResultsRecorder>(options.resultsFolder, options.station, tester_->log());
  setWindowTitle(MainWindowCaption(options.simulatedBoard));
  setWindowIcon(ApplicationIcon());
  setFont(PointFont(kDialogFaceName, kDialogPointSize));
  resize(kNominalWidth, kNominalHeight);
  screenSize_ = PrimaryScreenSize();
  CreateMenu();
  CreateControls();
  ConnectLogBox();
  CreateTimers();
  tester_->Initialise();  // directories, counters, criterion 0, "整理样本" greyed
  startButton_->setFocus();
  PrepareCounterDisplays();
  PrepareStatics();
  // The lists follow the configuration in force from the start, so a run
  // shows its values before any configuration is confirmed.
  BuildNodeLists();
  qApp->installEventFilter(this);
}

CMyUsbHidTestAppDlg::~CMyUsbHidTestAppDlg() {
  delete sampleDialog_;  // before the file chooser it uses goes
  qApp->removeEventFilter(this);
  tester_->log().SetListener({});
  logPipe_->Detach();
  valueModel_->SetColourRule({});
  differenceModel_->SetColourRule({});
}

void CMyUsbHidTestAppDlg::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (firstShown_) return;  // the start-up actions run once, however often the window is shown
  firstShown_ = true;
  OnFirstShow();
}

void CMyUsbHidTestAppDlg::OnFirstShow() {
  screenSize_ = PrimaryScreenSize();
  // The maximised size arrives as one or more size changes (client layout);
  // the screen layout follows once they have settled and stays until the
  // next size change.
  screenLayoutPending_ = true;
  setWindowState(windowState() | Qt::WindowMaximized);
  settleTimer_.start(kLayoutSettleMs);
  tester_->OnFirstShow();  // Start disabled, "烧录文件" enabled
  watcher_.Poll();         // learns what is present: a board there now is no arrival
  discoveryTimer_.start(kTimerPeriodMs);
  captureTimer_.start(kTimerPeriodMs);
  hotPlugTimer_.start(kHotPlugPollMs);
  forwardedTimer_.start(kForwardedMessagesMs);
}

void CMyUsbHidTestAppDlg::ApplyPendingScreenLayout() {
  if (!screenLayoutPending_) return;
  screenLayoutPending_ = false;
  ApplyScreenLayout();
}

void CMyUsbHidTestAppDlg::OnClientResized() {
  ApplyClientLayout();
  if (screenLayoutPending_) settleTimer_.start(kLayoutSettleMs);  // wait for the last size change of the first show
}

void CMyUsbHidTestAppDlg::closeEvent(QCloseEvent* event) {
  if (busy_ > 0) {  // a core operation is waiting on a message box: close when it is answered
    event->ignore();
    return;
  }
  for (QTimer* timer : {&connectionTimer_, &discoveryTimer_, &verdictTimer_, &captureTimer_, &refreshTimer_,
                        &hotPlugTimer_, &forwardedTimer_, &settleTimer_})
    timer->stop();
  tester_->link().CloseBoardHandles();
  event->accept();
}

}  // namespace vn::app
