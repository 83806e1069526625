// The operator log: the only log of the tester, plain lines with an optional
// time stamp " ( 9: 5:30)". Any thread may append; appending takes a short
// lock and never waits for the user-interface thread.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace vn {

struct LocalTimeOfDay {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The time of day used for log time stamps; replaceable so tests see a fixed time.
using TimeOfDaySource = std::function<LocalTimeOfDay()>;
LocalTimeOfDay CurrentLocalTimeOfDay();

// " (hh:mm:ss)" with each number right-aligned in two characters.
std::string TimeStamp(const LocalTimeOfDay& time);

class OperatorLog {
 public:
  enum class Event { Appended, Cleared };
  // Observer of appended text (with its line end) and of clearing. It runs on
  // the calling thread, outside the log's lock, and must not block (the GUI
  // posts the text to its own thread).
  using Listener = std::function<void(Event event, std::string_view piece)>;

  explicit OperatorLog(std::size_t maxLines = 5000);

  // Appends text, then the time stamp when withTime, then a line end when
  // newline. Pieces appended without a line end continue the current line.
  void Append(std::string_view text, bool withTime = false, bool newline = true);
  void Clear();

  std::vector<std::string> Lines() const;  // complete lines and the open one
  std::string Text() const;                // lines joined with CR LF
  bool Contains(std::string_view line) const;

  void SetListener(Listener listener);
  void SetTimeSource(TimeOfDaySource source);

 private:
  mutable std::mutex mutex_;
  std::size_t maxLines_;
  std::deque<std::string> lines_;
  std::string openLine_;
  bool hasOpenLine_ = false;
  Listener listener_;
  TimeOfDaySource timeSource_;
};

}  // namespace vn
