// The local calendar time, read from the system clock in one place.
#pragma once

namespace vn {

struct LocalDateTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalDateTime CurrentLocalDateTime();

}  // namespace vn
