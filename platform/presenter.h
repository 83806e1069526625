// The one interface through which the core talks to whoever presents it: the
// Qt main window, the terminal of the CLI, or a recorder in the tests. The
// operator log is separate (OperatorLog), because other threads write to it.
//
// Thread rule: every call is made on the user-interface thread.
#pragma once

#include <string>

namespace vn {

enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageResult { Ok, Cancel, Yes, No };

// Controls and menu items whose state the core decides.
enum class Control {
  StartButton,         // "开始"
  BurnMenuItem,        // "烧录文件"
  ArrangeSampleMenuItem,  // "整理样本"
};

// What changed in the result display, so a front end refreshes only that.
enum class DisplayChange { Verdict, Counters, ValueList, DifferenceList, NodeLists };

class Presenter {
 public:
  virtual ~Presenter() = default;

  // Shows a message box and returns the button pressed. An empty caption means
  // the application title.
  virtual MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                    MessageIcon icon, MessageButtons buttons) = 0;
  virtual void SetEnabled(Control control, bool enabled) = 0;
  virtual void DisplayChanged(DisplayChange change) = 0;
};

// A presenter that shows nothing and answers every message box with its
// first button; used where no front end is attached.
class NullPresenter : public Presenter {
 public:
  MessageResult ShowMessage(const std::string&, const std::string&, MessageIcon,
                            MessageButtons buttons) override {
    switch (buttons) {
      case MessageButtons::YesNo:
      case MessageButtons::YesNoCancel:
        return MessageResult::Yes;
      default:
        return MessageResult::Ok;
    }
  }
  void SetEnabled(Control, bool) override {}
  void DisplayChanged(DisplayChange) override {}
};

}  // namespace vn
