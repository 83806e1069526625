#include "results/local_time.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace vn {

LocalDateTime CurrentLocalDateTime() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm parts{};
#if defined(_WIN32)
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

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
