#include "results/local_time.h"

#include <cstdio>

namespace vn {

std::string DayStamp(const LocalDateTime& t) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d%02d%02d", t.year % 10000, t.month % 100, t.day % 100);
  return text;
}

std::string RecordTimeText(const LocalDateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year % 10000, t.month % 100, t.day % 100,
                t.hour % 100, t.minute % 100, t.second % 100);
  return text;
}

}  // namespace vn
