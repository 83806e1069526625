#include "platform/clock.h"

#include <thread>

namespace vn {

void BusyDelay(double microseconds) {
  if (microseconds <= 0) return;
  const auto start = MonotonicClock::now();
  const auto end = start + std::chrono::duration_cast<MonotonicClock::duration>(
                               std::chrono::duration<double, std::micro>(microseconds));
  // A sleep overshoots by the timer slack (50 us by default on Linux); sleep
  // short of the end, then spin the rest.
  constexpr auto kSpinStretch = std::chrono::microseconds(50);
  if (end - start > kSpinStretch) std::this_thread::sleep_until(end - kSpinStretch);
  while (MonotonicClock::now() < end) {
  }
}

void PauseMs(double milliseconds) {
  if (milliseconds <= 0) return;
  std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(milliseconds));
}

}  // namespace vn
