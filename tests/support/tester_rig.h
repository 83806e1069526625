// A Tester on the simulated board with a presenter that records what the
// core asks of the screen and answers message boxes from a script.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/tester.h"
#include "sim/simulated_board.h"
#include "sim/sim_touch_controller.h"

namespace vn::test {

class RecordingPresenter : public Presenter {
 public:
  struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
  };

  MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override;
  void SetEnabled(Control control, bool enabled) override { enabled_[control] = enabled; }
  void DisplayChanged(DisplayChange change) override { changes.push_back(change); }

  bool Enabled(Control control) const;
  std::vector<Message> messages;
  std::deque<MessageResult> answers;  // taken in order; Ok / Yes when empty
  std::vector<DisplayChange> changes;

 private:
  std::map<Control, bool> enabled_;
};

// No pauses between commands; the production answer deadline and polling
// bound (see FastLinkTiming).
TesterOptions FastTesterOptions(std::string workdir = {});

struct TesterRig {
  explicit TesterRig(FilmProfile profile = {}, std::string workdir = {});
  TesterRig(FilmProfile profile, TesterOptions options);

  // Discovery and the connection sequence, as timers 2 and 1 would run them.
  bool Connect();
  // Connect, then confirm the value-range criterion so Start is allowed.
  bool ConnectAndConfirm();
  std::vector<std::string> LogLines() const { return tester.log().Lines(); }
  SimTouchController& sim() { return *simController; }

  SimTouchController* simController;
  SimulatedBoard board;
  RecordingPresenter presenter;
  Tester tester;
};

}  // namespace vn::test
