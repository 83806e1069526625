// The main window of the tester: the node lists, the operator log, the
// counters, the verdict box, Start and the menu. It owns the tester's core
// object, drives it from its timers, buttons, keys and the hot-plug watcher,
// and shows what the core decides.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include <QMainWindow>
#include <QTimer>

#include "app/log_pipe.h"
#include "app/message_answerer.h"
#include "app/window_layout.h"
#include "engine/tester.h"
#include "link/hotplug_watcher.h"
#include "platform/presenter.h"

class QAction;
namespace vn {
class ResultsRecorder;
class FileChooser;
class CFileDialogChooser;
class CArrangeSample;
}
class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

namespace vn::app {

class CDigiStatic;
class CMyStatic;
class NodeGridModel;
class NodeListView;
class VerdictReasonLine;

struct MainWindowOptions {
  bool simulatedBoard = false;  // the caption says so
  TesterOptions tester;
  MessageAnswerer answerer;  // empty: real message boxes
  std::string resultsFolder;  // non-empty: a record of every film goes there
  std::string station;
  bool askSerial = false;
  FileChooser* fileChooser = nullptr;  // empty: the platform's file dialogs
};

class CMyUsbHidTestAppDlg : public QMainWindow, private Presenter {
  Q_OBJECT

 public:
  static constexpr int kTimerPeriodMs = 100;        // timers 1, 2 and 4
  static constexpr int kVerdictResetMs = 3000;      // timer 3
  static constexpr int kHotPlugPollMs = 200;
  static constexpr int kForwardedMessagesMs = 50;
  static constexpr int kLogLineLimit = 5000;
  static constexpr int kLayoutSettleMs = 150;

  CMyUsbHidTestAppDlg(HidBackend& backend, MainWindowOptions options, QWidget* parent = nullptr);
  ~CMyUsbHidTestAppDlg() override;

  Tester& tester() { return *tester_; }
  const Tester& tester() const { return *tester_; }
  void SetMessageAnswerer(MessageAnswerer answerer) { answerer_ = std::move(answerer); }

  // Start, Space, timer 5: one film, then the verdict timer; timer 4 runs
  // a sample capture (no serial is asked, nothing is counted).
  RunOutcome RunTest(RunPurpose purpose = RunPurpose::Film);
  // Imports a configuration text file and confirms it under the judgement
  // basis "测试配置" keeps (`Criterion`); on failure shows the import's
  // message and keeps the configuration in force.
  bool ImportConfigurationFile(const std::string& path);
  // Confirms the configuration in force with the value-range criterion.
  void ConfirmConfigurationInForce();

  // The result display.
  void BuildNodeLists();
  void RebuildNodeListsKeepingValues();
  void FillValueList();
  void FillDifferenceList();
  void ShowVerdictBox();
  // The reason line under the verdict, and the first failing node (or the
  // channel the self test blamed) brought into view in its list.
  void ShowVerdictReason();
  void BringFailingNodesIntoView();
  void ShowCounters();
  void ClearStatistics();

  // The layouts: by the screen size (first show, main-interface settings
  // closed) and by the client area (every size change).
  void ApplyScreenLayout();
  void ApplyClientLayout();
  QSize screenSize() const { return screenSize_; }
  // False until the first show's size changes have settled and the screen
  // layout is in place.
  bool firstLayoutDone() const { return firstShown_ && !screenLayoutPending_; }

  // Timer 5, the automatic repetition, and timer 4, the sample capture.
  void StartRefreshTimer(int intervalMs);
  void StopRefreshTimer();
  void StartSampleCaptureTimer();

  // Controls, for the dialogs and the tests.
  NodeListView* valueList() const { return valueList_; }
  NodeListView* differenceList() const { return differenceList_; }
  NodeGridModel* valueModel() const { return valueModel_; }
  NodeGridModel* differenceModel() const { return differenceModel_; }
  QPlainTextEdit* logBox() const { return logBox_; }
  CDigiStatic* okCountDisplay() const { return okDisplay_; }
  CDigiStatic* ngCountDisplay() const { return ngDisplay_; }
  CDigiStatic* yieldDisplay() const { return yieldDisplay_; }
  CMyStatic* okLabel() const { return okLabel_; }
  CMyStatic* ngLabel() const { return ngLabel_; }
  CMyStatic* yieldLabel() const { return yieldLabel_; }
  CMyStatic* verdictBox() const { return verdictBox_; }
  VerdictReasonLine* verdictReason() const { return verdictReason_; }
  QPushButton* startButton() const { return startButton_; }
  QPushButton* clearButton() const { return clearButton_; }
  QWidget* control(int id) const;
  QAction* burnAction() const { return burnAction_; }
  QAction* configurationAction() const { return configurationAction_; }
  QAction* arrangeSampleAction() const { return arrangeSampleAction_; }
  QAction* exitAction() const { return exitAction_; }
  QAction* mainInterfaceAction() const { return mainInterfaceAction_; }
  QAction* icInfoAction() const { return icInfoAction_; }
  QAction* firmwareAction() const { return firmwareAction_; }
  QAction* aboutAction() const { return aboutAction_; }
  bool timerActive(int number) const;
  // A handler is inside the core (a message box of the core may be open).
  bool busy() const { return busy_ > 0; }
  // The golden-sample dialog once "整理样本" created it, else nothing.
  CArrangeSample* sampleDialog() const { return sampleDialog_; }
  FileChooser& fileChooser();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

  // Menu commands: each opens its dialog.
  virtual void OnBurnFile();
  virtual void OnTestConfiguration();
  virtual void OnArrangeSample();
  // Opened after timer 5 is stopped.
  virtual void OpenMainInterfaceControl();
  // Timer 4, after the capture run: store the film as a sample.
  virtual void StoreCapturedSample(const RunOutcome& outcome);
  virtual void OnAbout();
  // With --ask-serial: the film's serial number, nothing when the operator cancels.
  virtual std::optional<std::string> AskSerial();

 private:
  // Presenter
  MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void SetEnabled(Control control, bool enabled) override;
  void DisplayChanged(DisplayChange change) override;

  // Construction and initialisation.
  void CreateControls();
  void CreateMenu();
  void PrepareCounterDisplays();
  void PrepareStatics();
  void CreateTimers();
  void ConnectLogBox();
  void AppendToLogBox(const std::vector<LogPipe::Piece>& pieces);
  void OnFirstShow();
  void OnClientResized();
  void ApplyPendingScreenLayout();

  // Timers and device changes.
  void OnConnectionTimer();   // 1
  void OnDiscoveryTimer();    // 2
  void OnVerdictTimer();      // 3
  void OnCaptureTimer();      // 4
  void OnRefreshTimer();      // 5
  void OnHotPlugPoll();
  void OnForwardedMessages();
  void ApplyTimerRequest(TimerRequest request);
  void OnMainInterfaceCommand();

  // Keys: Enter is swallowed, Space runs a test while Start is enabled.
  bool HandleKey(QKeyEvent* event);
  void ApplyLayout(const WindowLayout& layout);
  void EnsureListShape();
  void ApplyFonts();

  std::unique_ptr<Tester> tester_;
  HotPlugWatcher watcher_;
  MessageAnswerer answerer_;
  bool askSerial_ = false;
  std::unique_ptr<CFileDialogChooser> ownFileChooser_;
  FileChooser* fileChooser_ = nullptr;
  std::unique_ptr<ResultsRecorder> recorder_;
  CArrangeSample* sampleDialog_ = nullptr;  // created once, a child of the window
  std::shared_ptr<LogPipe> logPipe_;
  QSize screenSize_;
  bool firstShown_ = false;
  bool screenLayoutPending_ = false;  // the first show's screen layout waits for the maximised size
  int busy_ = 0;  // > 0 while a handler is inside the core

  QWidget* client_ = nullptr;
  NodeGridModel* valueModel_ = nullptr;
  NodeGridModel* differenceModel_ = nullptr;
  NodeListView* valueList_ = nullptr;
  NodeListView* differenceList_ = nullptr;
  QPlainTextEdit* logBox_ = nullptr;
  CDigiStatic* okDisplay_ = nullptr;
  CDigiStatic* ngDisplay_ = nullptr;
  CDigiStatic* yieldDisplay_ = nullptr;
  CMyStatic* okLabel_ = nullptr;
  CMyStatic* ngLabel_ = nullptr;
  CMyStatic* yieldLabel_ = nullptr;
  CMyStatic* verdictBox_ = nullptr;
  VerdictReasonLine* verdictReason_ = nullptr;
  QPushButton* clearButton_ = nullptr;
  QPushButton* startButton_ = nullptr;

  QAction* burnAction_ = nullptr;
  QAction* configurationAction_ = nullptr;
  QAction* arrangeSampleAction_ = nullptr;
  QAction* exitAction_ = nullptr;
  QAction* mainInterfaceAction_ = nullptr;
  QAction* icInfoAction_ = nullptr;
  QAction* firmwareAction_ = nullptr;
  QAction* aboutAction_ = nullptr;

  QTimer connectionTimer_;  // 1
  QTimer discoveryTimer_;   // 2
  QTimer verdictTimer_;     // 3
  QTimer captureTimer_;     // 4
  QTimer refreshTimer_;     // 5
  QTimer hotPlugTimer_;
  QTimer forwardedTimer_;
  QTimer settleTimer_;  // the screen layout after the first show's size changes
};

// "VN4820双层功能片测试软件 V<version>", with "（模拟测试板）" on the simulated board.
QString MainWindowCaption(bool simulatedBoard);

}  // namespace vn::app
