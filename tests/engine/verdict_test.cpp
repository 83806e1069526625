#include "engine/verdict.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

struct VerdictCase {
  bool selfTestPassed, filmNg, differenceNg, passes;
};

TEST(FilmPassesTest, NeedsSelfTestAndNoFailure) {
  const VerdictCase cases[] = {
      {true, false, false, true},  {false, false, false, false}, {true, true, false, false},
      {true, false, true, false},  {true, true, true, false},    {false, true, true, false},
  };
  for (const VerdictCase& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.selfTestPassed << c.filmNg << c.differenceNg);
    EXPECT_EQ(FilmPasses(c.selfTestPassed, c.filmNg, c.differenceNg), c.passes);
    EXPECT_EQ(VerdictText(c.passes), c.passes ? "PASS" : "NG");
  }
}

TEST(CountFilmTest, ClearsAfterTheCounterPasses9000AndSkipsThatFilm) {
  Counters counters;
  counters.okCount = 9000;
  CountFilm(counters, true);
  EXPECT_EQ(counters.okCount, 9001);
  EXPECT_EQ(FormatCounters(counters).yield, "100.00");
  CountFilm(counters, false);  // resets, not counted
  EXPECT_EQ(counters, Counters{});
  CountFilm(counters, false);
  EXPECT_EQ(counters.ngCount, 1);
  EXPECT_EQ(counters.okCount, 0);
}

TEST(CountFilmTest, NgCounterOverflowClearsToo) {
  Counters counters{3, 9001, 0.03f};
  CountFilm(counters, true);
  EXPECT_EQ(counters, Counters{});
}

struct YieldCase {
  const char* name;
  std::vector<bool> films;
  CounterTexts expected;
};

TEST(CountFilmTest, YieldAndCounterTexts) {
  const YieldCase cases[] = {
      {"one PASS one NG", {true, false}, {"    1", "    1", " 50.00"}},
      {"only PASS", {true, true, true}, {"    3", "    0", "100.00"}},
      {"only NG", {false}, {"    0", "    1", "  0.00"}},
      {"two of three", {true, false, true}, {"    2", "    1", " 66.67"}},
  };
  for (const YieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    Counters counters;
    for (bool passed : c.films) CountFilm(counters, passed);
    const CounterTexts texts = FormatCounters(counters);
    EXPECT_EQ(texts.ok, c.expected.ok);
    EXPECT_EQ(texts.ng, c.expected.ng);
    EXPECT_EQ(texts.yield, c.expected.yield);
  }
}

TEST(ClearStatisticsTest, ZeroesCountersAndYield) {
  Counters counters{12, 3, 80.0f};
  ClearStatistics(counters);
  const CounterTexts texts = FormatCounters(counters);
  EXPECT_EQ(texts.ok, "    0");
  EXPECT_EQ(texts.ng, "    0");
  EXPECT_EQ(texts.yield, "  0.00");
  CountFilm(counters, true);
  EXPECT_EQ(FormatCounters(counters).yield, "100.00");
}

TEST(ClearStatisticsTest, LineNamesTheClearedCounts) {
  EXPECT_EQ(ClearedStatisticsLine({120, 3, 97.5609756f}), "统计清零：OK 120，NG 3，良率 97.56");
  EXPECT_EQ(ClearedStatisticsLine({}), "统计清零：OK 0，NG 0，良率 0.00");
}

TEST(ElapsedTimeLineTest, TwoSignificantDigits) {
  const std::pair<double, const char*> cases[] = {
      {100.0, "共花费时间：1e+02 秒"},  {250.0, "共花费时间：2.5e+02 秒"},
      {12.34, "共花费时间：12 秒"},     {1.26, "共花费时间：1.3 秒"},
      {0.05, "共花费时间：0.05 秒"},    {-1.0, "共花费时间：0 秒"},
  };
  for (const auto& [seconds, line] : cases) {
    SCOPED_TRACE(seconds);
    EXPECT_EQ(ElapsedTimeLine(seconds), line);
  }
}

}  // namespace
}  // namespace vn
