// The local calendar time a record is stamped with, and the texts made of it.
// The source is replaceable so tests stamp records with a fixed time.
#pragma once

#include <functional>
#include <string>

#include "platform/local_time.h"

namespace vn {

using LocalClock = std::function<LocalDateTime()>;

// "20240501": the day's part of the record file names.
std::string DayStamp(const LocalDateTime& time);
// "2024-05-01 09:05:30": the time column of a record.
std::string RecordTimeText(const LocalDateTime& time);

}  // namespace vn
