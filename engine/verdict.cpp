#include "engine/verdict.h"

#include <cmath>
#include <cstdio>

namespace vn {

namespace {

template <typename... Args>
std::string Printf(const char* format, Args... args) {
  char buffer[64];
  const int n = std::snprintf(buffer, sizeof buffer, format, args...);
  if (n < 0) return {};
  return std::string(buffer, static_cast<std::size_t>(n) < sizeof buffer ? n : sizeof buffer - 1);
}

}  // namespace

bool FilmPasses(bool selfTestPassed, bool filmNg, bool differenceNg) {
  return selfTestPassed && !filmNg && !differenceNg;
}

std::string VerdictText(bool passed) { return passed ? "PASS" : "NG"; }

std::string SampleCaptureReason(bool selfTestPassed, const std::string& selfTestText) {
  if (selfTestPassed) return "已获取样本（不计入统计）";
  return "已获取样本（不计入统计），但自检未通过：" + (selfTestText.empty() ? std::string("通道异常") : selfTestText);
}

void CountFilm(Counters& counters, bool passed) {
  if (counters.okCount > kCounterLimit || counters.ngCount > kCounterLimit) {
    ClearStatistics(counters);
    return;
  }
  ++(passed ? counters.okCount : counters.ngCount);
  const double total = static_cast<double>(counters.okCount) + counters.ngCount;
  counters.yieldPercent = static_cast<float>(counters.okCount / total * 100.0);
}

void ClearStatistics(Counters& counters) { counters = Counters{}; }

std::string ClearedStatisticsLine(const Counters& counters) {
  return "统计清零：OK " + std::to_string(counters.okCount) + "，NG " + std::to_string(counters.ngCount) + "，良率 " +
         Printf("%.2f", static_cast<double>(counters.yieldPercent));
}

CounterTexts FormatCounters(const Counters& counters) {
  return {Printf("%5d", counters.okCount), Printf("%5d", counters.ngCount),
          Printf("%6.2f", static_cast<double>(counters.yieldPercent))};
}

std::string ElapsedTimeLine(double seconds) {
  if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
  return "共花费时间：" + Printf("%.2g", seconds) + " 秒";
}

}  // namespace vn
