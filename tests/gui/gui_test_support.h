// The main window on a simulated board, with message boxes answered from a
// script, for the window tests.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "app/CMyUsbHidTestAppDlg.h"
#include "app/message_answerer.h"
#include "sim/film_profile.h"
#include "sim/sim_touch_controller.h"
#include "sim/simulated_board.h"

namespace vn::gui_test {

// No pauses between commands; the production answer deadline and polling bound.
TesterOptions FastTesterOptions(const std::string& workdir);

FilmProfile Profile(const std::string& name);

class WindowRig {
 public:
  // `adjust` may change the window's options before the window is made.
  explicit WindowRig(const std::string& profile = "good", bool plugged = true,
                     const std::function<void(app::MainWindowOptions&)>& adjust = {});
  ~WindowRig();

  app::CMyUsbHidTestAppDlg& window() { return *window_; }
  Tester& tester() { return window_->tester(); }
  SimulatedBoard& board() { return board_; }
  SimTouchController& controller() { return *controller_; }

  // Shows the window and waits until it is exposed.
  bool Show();
  // Waits until the connection sequence has run to its end.
  bool WaitConnected(int timeoutMs = 5000);
  // Show, connect and confirm the value-range criterion.
  bool ShowConnectAndConfirm();
  // The log box's text, after the queued pieces have arrived.
  QString LogText();
  bool LogHasLine(const QString& line);
  // Text and colour of a node cell of the value list.
  QString ValueCellText(int x, int y) const;
  QString DifferenceCellText(int x, int y) const;

  std::vector<app::MessageRequest> messages;
  std::deque<MessageResult> answers;  // Ok / Yes when empty
  QTemporaryDir workdir;

 private:
  SimTouchController* controller_ = nullptr;
  SimulatedBoard board_;
  std::unique_ptr<app::CMyUsbHidTestAppDlg> window_;
};

// Processes events until the condition holds or the time is up.
template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs = 5000);

bool WaitForImpl(const std::function<bool()>& condition, int timeoutMs);

template <typename Condition>
bool WaitFor(Condition condition, int timeoutMs) {
  return WaitForImpl(std::function<bool()>(condition), timeoutMs);
}

}  // namespace vn::gui_test
