// The moment a sample file is written, read once per file from the local
// calendar time, and the two texts made from it: the file name stamp and the
// `Time` value.
#pragma once

#include <string>

#include "platform/local_time.h"

namespace vn {

using SampleTime = LocalDateTime;

SampleTime CurrentSampleTime();

// "YYYYMMDDhhmmss": four digits of the year, two of every other part.
std::string SampleFileStamp(const SampleTime& time);

// "MMDDhhmmss", the `Time` value of a sample file.
std::string SampleTimeValue(const SampleTime& time);

}  // namespace vn
