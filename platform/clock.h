// Time for the tester: a monotonic clock standing for the performance
// counter, and the pauses the controller commands need.
#pragma once

#include <chrono>

namespace vn {

using MonotonicClock = std::chrono::steady_clock;
using MonotonicTimePoint = MonotonicClock::time_point;

// Seconds elapsed since a start point, as a double.
class Stopwatch {
 public:
  Stopwatch() : start_(MonotonicClock::now()) {}
  void Restart() { start_ = MonotonicClock::now(); }
  double ElapsedSeconds() const {
    return std::chrono::duration<double>(MonotonicClock::now() - start_).count();
  }

 private:
  MonotonicClock::time_point start_;
};

// Waits at least the given microseconds. It sleeps for most of the time and
// spins only for the last stretch, so a 1 ms pause costs almost no processor.
void BusyDelay(double microseconds);

// Sleeps for the given milliseconds (nothing for 0 or less).
void PauseMs(double milliseconds);

}  // namespace vn
