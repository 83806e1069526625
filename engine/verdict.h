// The verdict of a run, the OK and NG counters with the yield, and the texts
// the result display shows for them.
#pragma once

#include <cstdint>
#include <string>

namespace vn {

// A film passes when its self test passed and neither its values nor its
// differences failed.
bool FilmPasses(bool selfTestPassed, bool filmNg, bool differenceNg);

// "PASS" or "NG".
std::string VerdictText(bool passed);

// The verdict box after a golden-sample capture, which is no production film.
inline constexpr char kSampleCapturedVerdict[] = "样本";

// The line under it: "已获取样本（不计入统计）", or with the self test's
// finding when the captured film failed it.
std::string SampleCaptureReason(bool selfTestPassed, const std::string& selfTestText);

struct Counters {
  std::int32_t okCount = 0;
  std::int32_t ngCount = 0;
  float yieldPercent = 0.0f;  // okCount / (okCount + ngCount) * 100

  friend bool operator==(const Counters&, const Counters&) = default;
};

// Above this count on either counter the next film clears both counters and
// the yield instead of being counted.
inline constexpr std::int32_t kCounterLimit = 9000;

// Counts one judged film and recomputes the yield, or clears the counters
// when one of them has passed kCounterLimit (that film is then not counted).
void CountFilm(Counters& counters, bool passed);

// The log line of "统计清零", naming what was cleared:
// "统计清零：OK 120，NG 3，良率 97.56".
std::string ClearedStatisticsLine(const Counters& counters);

// Button "统计清零": both counters and the yield back to 0.
void ClearStatistics(Counters& counters);

// Counter display texts: "%5d" for the counts, "%6.2f" for the yield.
struct CounterTexts {
  std::string ok;
  std::string ng;
  std::string yield;
};
CounterTexts FormatCounters(const Counters& counters);

// "共花费时间：" + seconds with "%.2g" + " 秒"; 100 s and more come out in
// exponent form ("1e+02"). A negative or non-finite time reads as 0.
std::string ElapsedTimeLine(double seconds);

}  // namespace vn
