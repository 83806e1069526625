#include "samples/sample_time.h"

#include "platform/format.h"

namespace vn {

namespace {

std::string TwoDigits(int value) { return LastChars(FormatZeroPadded(value, 10), 2); }

}  // namespace

SampleTime CurrentSampleTime() { return CurrentLocalDateTime(); }

std::string SampleFileStamp(const SampleTime& time) {
  return LastChars(FormatZeroPadded(time.year, 10), 4) + SampleTimeValue(time);
}

std::string SampleTimeValue(const SampleTime& time) {
  return TwoDigits(time.month) + TwoDigits(time.day) + TwoDigits(time.hour) + TwoDigits(time.minute) +
         TwoDigits(time.second);
}

}  // namespace vn
