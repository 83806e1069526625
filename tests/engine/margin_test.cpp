// Marginal nodes: which passing values lie within the station's margin of a
// limit, under the value ranges and under sample limits.
#include "engine/margin.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

TEST(MarginSettingTest, ReadsOnlyWhatItCanWriteBack) {
  const struct {
    const char* text;
    std::optional<MarginSetting> expected;
  } cases[] = {
      {"pct:10", MarginSetting{MarginKind::Percent, 10}},
      {"pct:1", MarginSetting{MarginKind::Percent, 1}},
      {"pct:50", MarginSetting{MarginKind::Percent, 50}},
      {"abs:500", MarginSetting{MarginKind::Absolute, 500}},
      {"abs:65535", MarginSetting{MarginKind::Absolute, 65535}},
      {"off", MarginSetting{}},
      {"pct:0", std::nullopt},
      {"pct:51", std::nullopt},
      {"abs:0", std::nullopt},
      {"abs:65536", std::nullopt},
      {"abs:-5", std::nullopt},
      {"pct:", std::nullopt},
      {"pct:10%", std::nullopt},
      {"pct 10", std::nullopt},
      {"rel:10", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<MarginSetting> parsed = ParseMarginSetting(c.text);
    EXPECT_EQ(parsed, c.expected);
    if (parsed) {
      EXPECT_EQ(MarginSettingText(*parsed), c.text);
    }
  }
}

TEST(MarginTest, ValuesWithinTheBandOfEitherLimit) {
  const MarginSetting tenPercent{MarginKind::Percent, 10};  // 19000..28000: band 900
  const MarginSetting absolute{MarginKind::Absolute, 500};
  const JudgedLimits range{19000, 28000};
  const struct {
    const char* name;
    MarginSetting margin;
    std::int64_t value;
    bool marginal;
  } cases[] = {
      {"lower limit itself", tenPercent, 19000, true},
      {"band edge above the lower limit", tenPercent, 19900, true},
      {"one past the lower band", tenPercent, 19901, false},
      {"middle of the range", tenPercent, 23500, false},
      {"one before the upper band", tenPercent, 27099, false},
      {"band edge below the upper limit", tenPercent, 27100, true},
      {"upper limit itself", tenPercent, 28000, true},
      {"failing below is not marginal", tenPercent, 18999, false},
      {"failing above is not marginal", tenPercent, 28001, false},
      {"absolute band, upper side", absolute, 27500, true},
      {"absolute band, just outside", absolute, 27499, false},
      {"absolute band, lower side", absolute, 19500, true},
      {"margin off", MarginSetting{}, 28000, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ValueInMargin(c.margin, c.value, range), c.marginal);
  }
}

TEST(MarginTest, PercentOfAnEmptyOrOneValueRangeLeavesOnlyTheLimit) {
  const MarginSetting margin{MarginKind::Percent, 50};
  EXPECT_EQ(MarginBand(margin, 100, 100), 0);
  EXPECT_TRUE(ValueInMargin(margin, 100, {100, 100}));
  EXPECT_EQ(MarginBand(margin, 100, 101), 0);  // truncated
}

class MarginalValuesTest : public ::testing::Test {
 protected:
  MarginalValuesTest() {
    parameters_.x_channel_valid = 4;
    parameters_.y_channel_valid = 4;
    parameters_.test_va_area_x = FirstChannelsSet(3);  // X 3 is a key column
    parameters_.test_key_area_x[3] = 1;
    parameters_.test_key_area_y = FirstChannelsSet(4);
    parameters_.test_key_number_x = 1;
    parameters_.rawdata_key_min = 20000;
    parameters_.rawdata_key_max = 30000;
    film_.values.fill(23500);
    for (std::uint8_t y = 0; y < 4; ++y) film_.At(3, y) = 25000;
  }
  ValueBasis Basis(int criterion) const { return {parameters_, criterion, limits_}; }

  TestParameters parameters_;
  SampleLimits limits_;
  NodeMatrix film_;
};

TEST_F(MarginalValuesTest, EachAreaAgainstItsOwnLimitsInXMajorOrder) {
  film_.At(2, 1) = 27500;  // VA: within 900 of 28000
  film_.At(0, 3) = 19100;  // VA: within 900 of 19000
  film_.At(3, 2) = 29500;  // KEY: within 1000 of 30000
  film_.At(1, 1) = 28500;  // VA: fails, so not marginal
  film_.At(3, 0) = 27500;  // KEY: far from its limits although near the VA maximum
  film_.At(5, 5) = 28000;  // outside the channels in use
  const std::vector<NodePosition> expected = {{0, 3}, {2, 1}, {3, 2}};
  EXPECT_EQ(MarginalValues(Basis(0), {MarginKind::Percent, 10}, film_), expected);
  EXPECT_TRUE(MarginalValues(Basis(0), {}, film_).empty());
}

TEST_F(MarginalValuesTest, SampleLimitsAreTheLimitsUnderTheSampleCriterion) {
  for (std::size_t x = 0; x < 4; ++x)
    for (std::size_t y = 0; y < 4; ++y) {
      limits_.lower[NodeIndex(x, y)] = film_.At(x, y) - 1000;
      limits_.upper[NodeIndex(x, y)] = film_.At(x, y) + 1000;
    }
  film_.At(1, 2) += 950;  // 950 of 1000 towards the upper limit
  const std::vector<NodePosition> expected = {{1, 2}};
  EXPECT_EQ(MarginalValues(Basis(1), {MarginKind::Absolute, 100}, film_), expected);
}

}  // namespace
}  // namespace vn
