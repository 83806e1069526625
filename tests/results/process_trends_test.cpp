// Process trends: per-film area figures, the Cpk of the VA mean per day and
// the mean shift from a golden sample.
#include <gtest/gtest.h>

#include "results/process_trends.h"
#include "results/trend_chart_svg.h"
#include "results/trend_report.h"

namespace vn {
namespace {

TEST(CpkTest, DistanceToTheNearerLimitInThreeStandardDeviations) {
  const struct {
    const char* name;
    std::vector<double> values;
    std::optional<double> cpk;
  } cases[] = {
      {"centred nearer the lower limit", {10, 12, 14}, 2.0},   // mean 12, s 2: min(18, 12) / 6
      {"nearer the upper limit", {26, 27, 28}, 3.0 / 3.0},      // mean 27, s 1: min(3, 27) / 3
      {"mean beyond a limit is negative", {31, 32, 33}, -2.0 / 3.0},
      {"one value says nothing", {12}, std::nullopt},
      {"no spread says nothing", {12, 12, 12}, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<double> cpk = Cpk(c.values, 0, 30);
    ASSERT_EQ(cpk.has_value(), c.cpk.has_value());
    if (cpk) {
      EXPECT_NEAR(*cpk, *c.cpk, 1e-9);
    }
  }
}

class ProcessTrendsTest : public ::testing::Test {
 protected:
  ProcessTrendsTest() {
    trends.parameters.x_channel_valid = 2;
    trends.parameters.y_channel_valid = 3;
    trends.parameters.test_va_area_y = FirstChannelsSet(2);  // Y 2 is the key row
    trends.parameters.test_key_area_x = FirstChannelsSet(2);
    trends.parameters.test_key_area_y[2] = 1;
    trends.parameters.test_key_number_y = 1;
  }
  NodeMatrix Film(std::uint16_t va, std::uint16_t key) const {
    NodeMatrix m;
    m.values.fill(60000);  // nodes outside the channels in use never count
    for (std::uint8_t x = 0; x < 2; ++x) {
      m.At(x, 0) = va;
      m.At(x, 1) = std::uint16_t(va + 100);
      m.At(x, 2) = key;
    }
    return m;
  }
  ProcessTrends trends;
};

TEST_F(ProcessTrendsTest, AreaFiguresPerFilmAndCapabilityPerDay) {
  AddFilmTrend(trends, "2024-05-02 08:00:00", Film(23000, 24000));
  AddFilmTrend(trends, "2024-05-01 09:00:00", Film(22000, 24000));
  AddFilmTrend(trends, "2024-05-01 10:00:00", Film(24000, 25000));
  const std::vector<FilmTrend> films = FilmsInTimeOrder(trends);
  ASSERT_EQ(films.size(), 3u);
  EXPECT_EQ(films[0].time, "2024-05-01 09:00:00");
  EXPECT_EQ(films[0].va.nodes, 4);
  EXPECT_DOUBLE_EQ(films[0].va.mean, 22050);
  EXPECT_EQ(films[0].va.min, 22000);
  EXPECT_EQ(films[0].va.max, 22100);
  EXPECT_EQ(films[0].key.nodes, 2);
  EXPECT_DOUBLE_EQ(films[0].key.mean, 24000);

  const std::vector<DayCapability> days = VaMeanCapabilityByDay(trends);
  ASSERT_EQ(days.size(), 2u);
  EXPECT_EQ(days[0].day, "2024-05-01");
  EXPECT_EQ(days[0].films, 2);
  ASSERT_TRUE(days[0].cpk);  // means 22050 and 24050: mean 23050, s 1414.2; nearer 19000
  EXPECT_NEAR(*days[0].cpk, (23050.0 - 19000) / (3 * 1414.2136), 1e-3);
  EXPECT_FALSE(days[1].cpk) << "one film in the day";

  const std::string svg = TrendChartSvg(films, trends.parameters);
  EXPECT_NE(svg.find("VA max 28000"), std::string::npos);
  EXPECT_NE(svg.find("KEY mean"), std::string::npos);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
}

TEST_F(ProcessTrendsTest, MeanShiftOnlyAtGoldenNodes) {
  trends.goldenFile = "golden.ini";
  trends.golden = {{{0, 0}, NodeArea::Visible, 22500}, {{1, 2}, NodeArea::Key, 25000}};
  AddFilmTrend(trends, "2024-05-01 09:00:00", Film(22000, 24000));
  AddFilmTrend(trends, "2024-05-01 10:00:00", Film(24000, 25000));
  const auto shifts = MeanShiftFromGolden(trends);
  ASSERT_TRUE(shifts[NodeIndex(0, 0)]);
  EXPECT_DOUBLE_EQ(*shifts[NodeIndex(0, 0)], 500);
  EXPECT_DOUBLE_EQ(*shifts[NodeIndex(1, 2)], -500);
  EXPECT_FALSE(shifts[NodeIndex(0, 1)]);
  EXPECT_EQ(ShiftColour(500, 500), "#c00000");
  EXPECT_EQ(ShiftColour(-500, 500), "#0000c0");
  EXPECT_EQ(ShiftColour(0, 500), "#ffffff");
  const std::string text = TrendSummaryText(trends);
  EXPECT_NE(text.find("largest mean shifts from the golden sample:\n  X 0 Y 0: +500.0\n  X 1 Y 2: -500.0\n"),
            std::string::npos)
      << text;
}

}  // namespace
}  // namespace vn
