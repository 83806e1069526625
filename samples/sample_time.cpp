#include "samples/sample_time.h"

#include <ctime>

#include "platform/format.h"

namespace vn {

namespace {

std::string TwoDigits(int value) { return LastChars(FormatZeroPadded(value, 10), 2); }

}  // namespace

SampleTime CurrentSampleTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string SampleFileStamp(const SampleTime& time) {
  return LastChars(FormatZeroPadded(time.year, 10), 4) + SampleTimeValue(time);
}

std::string SampleTimeValue(const SampleTime& time) {
  return TwoDigits(time.month) + TwoDigits(time.day) + TwoDigits(time.hour) + TwoDigits(time.minute) +
         TwoDigits(time.second);
}

}  // namespace vn
