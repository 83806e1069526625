// One CLI session: the backend the options choose (the simulated board or
// the real one through hidapi), the tester's core object, and the terminal
// as its presenter. The operator log goes to a stream as it is written.
#pragma once

#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>

#include "cli/options.h"
#include "engine/tester.h"
#include "sim/simulated_board.h"
#include "sim/sim_touch_controller.h"

namespace vn::cli {

// Message boxes become lines on the error stream; questions take their first answer.
class TerminalPresenter : public NullPresenter {
 public:
  explicit TerminalPresenter(std::ostream& err) : err_(err) {}
  MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                            MessageButtons buttons) override;

 private:
  std::ostream& err_;
};

class Session {
 public:
  Session(const GlobalOptions& options, std::ostream& out, std::ostream& err);
  ~Session();

  // False when the options name an unknown profile; the reason is in error().
  bool valid() const { return tester_ != nullptr; }
  const std::string& error() const { return error_; }

  // Finds the board and runs the connection sequence. Returns kExitOk or kExitBoard.
  int Connect();
  int Discover();           // finds and opens the board
  int ConnectController();  // the connection sequence on the open board
  // After a film the board did not finish: lets go of a board that is gone,
  // finds it again and reruns the connection sequence. kExitOk or kExitBoard.
  int Reconnect();

  // Where the operator log goes (nullptr: nowhere).
  void SetLogStream(std::ostream* stream);
  // Prints a line on out, in order with the log lines of other threads.
  void PrintLine(const std::string& line);

  Tester& tester() { return *tester_; }
  SimulatedBoard* simulatedBoard() { return simBoard_; }
  SimTouchController* simulatedController() { return simController_; }
  const GlobalOptions& options() const { return options_; }
  std::ostream& err() { return err_; }

 private:
  void Write(std::ostream& stream, const std::string& text);

  GlobalOptions options_;
  std::ostream& out_;
  std::ostream& err_;
  std::mutex printMutex_;
  std::ostream* logStream_;
  std::string error_;
  TerminalPresenter presenter_;
  std::unique_ptr<HidBackend> backend_;
  SimulatedBoard* simBoard_ = nullptr;
  SimTouchController* simController_ = nullptr;
  std::unique_ptr<Tester> tester_;
};

}  // namespace vn::cli
