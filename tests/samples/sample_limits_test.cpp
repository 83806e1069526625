#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <sstream>

#include "platform/profile_document.h"
#include "samples/sample_limit_files.h"
#include "samples/sample_limits_derivation.h"
#include "sample_test_folder.h"

namespace vn {
namespace {

using test::CrLf;

DeviationSettings Absolute(std::int32_t below, std::int32_t above) {
  DeviationSettings s;
  s.DeviationMethod = kAbsoluteDeviation;
  s.AbsoluteDeviationNegative = below;
  s.AbsoluteDeviationPositive = above;
  return s;
}

DeviationSettings Percentage(std::uint8_t below, std::uint8_t above) {
  DeviationSettings s;
  s.DeviationMethod = kPercentageDeviation;
  s.RelativeDeviationNegative = below;
  s.RelativeDeviationPositive = above;
  return s;
}

TEST(SampleLimitsTest, DeviationsAroundTheSampleValue) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Case {
    const char* name;
    std::int32_t value;
    DeviationSettings settings;
    NodeLimits expected;
  };
  const Case cases[] = {
      {"10 % below, 15 % above", 19000, Percentage(10, 15), {17100, 21850}},
      {"500 below, 800 above", 19000, Absolute(500, 800), {18500, 19800}},
      {"0 % both ways", 19000, Percentage(0, 0), {19000, 19000}},
      {"100 % below", 19000, Percentage(100, 100), {0, 38000}},
      {"percent truncated toward zero", 19999, Percentage(33, 1), {13399, 20198}},
      {"negative value truncated toward zero", -5, Percentage(50, 50), {-2, -7}},
      {"deviation larger than the value", 1000, Absolute(2234, 0), {-1234, 1000}},
      {"negative positive deviation", 1000, Absolute(0, -100), {1000, 900}},
      {"upper limit held at the 32-bit end", 19000, Absolute(0, kMax), {19000, kMax}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LimitsForSampleValue(c.value, c.settings), c.expected);
  }
}

class SampleLimitFilesTest : public test::SampleFolderTest {};

TEST_F(SampleLimitFilesTest, DerivedOnlyForVaAndKeyDisplayNodes) {
  TestParameters p;
  p.x_channel_valid = 3;
  p.y_channel_valid = 2;
  p.display_area_x = {1, 1, 0};
  p.display_area_y = {1, 1};
  p.test_va_area_x = {1, 0, 1};
  p.test_va_area_y = {1, 0};
  p.test_key_area_x = {0, 1, 0};
  p.test_key_area_y = {0, 1};
  Put(Path("s.ini"), CrLf({"[Sample_Context]", "Y0=19000,    0,", "Y1=    0,20000,"}));
  const SampleLimitsResult result = DeriveSampleLimits(Path("s.ini"), p, Absolute(500, 800));
  ASSERT_TRUE(result.ok());
  SampleLimits expected;
  expected.lower[NodeIndex(0, 0)] = 18500;
  expected.upper[NodeIndex(0, 0)] = 19800;
  expected.lower[NodeIndex(1, 1)] = 19500;  // a key node, same settings
  expected.upper[NodeIndex(1, 1)] = 20800;
  EXPECT_EQ(result.limits.lower, expected.lower);
  EXPECT_EQ(result.limits.upper, expected.upper);
}

TEST_F(SampleLimitFilesTest, UnreadableSampleGivesNoLimits) {
  const SampleLimitsResult result = DeriveSampleLimits(Path("vanished.ini"), TestParameters{}, Percentage(0, 0));
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.message.text, "打开文件 \"" + Path("vanished.ini") + " \"失败！");
}

// The rows of one limit file: 52 keys of 32 comma-ended tokens each.
std::vector<std::vector<std::string>> Rows(const std::string& path) {
  const ProfileLoadResult loaded = ProfileDocument::Load(path);
  EXPECT_EQ(loaded.status, ProfileLoadStatus::Loaded);
  std::vector<std::vector<std::string>> rows;
  for (int y = 0; y < 52; ++y) {
    const std::string row = loaded.document.ReadString("Sample_Context", "Y" + std::to_string(y));
    std::vector<std::string> tokens;
    std::size_t start = 0;
    for (std::size_t comma; (comma = row.find(',', start)) != std::string::npos; start = comma + 1)
      tokens.push_back(row.substr(start, comma - start));
    EXPECT_EQ(start, row.size()) << "row " << y << " ends with a comma";
    rows.push_back(tokens);
  }
  return rows;
}

TEST_F(SampleLimitFilesTest, LimitFilesHold52RowsOf32Tokens) {
  SampleLimits limits;
  limits.lower[NodeIndex(0, 0)] = 18500;
  limits.lower[NodeIndex(1, 0)] = -1234;
  limits.lower[NodeIndex(31, 51)] = -12345;
  limits.upper[NodeIndex(0, 0)] = 19800;
  limits.upper[NodeIndex(2, 5)] = 123456;
  limits.upper[NodeIndex(3, 5)] = 5;
  Put(Path("Config/SampleRawDataHigh.ini"), CrLf({"; kept", "[Other]", "a=1", "[Sample_Context]", "Y0=old"}));

  ASSERT_TRUE(WriteSampleLimitFiles(AppDirectory(), limits).ok);
  const auto low = Rows(Path("Config/SampleRawDataLow.ini"));
  const auto high = Rows(Path("Config/SampleRawDataHigh.ini"));
  for (const auto* rows : {&low, &high})
    for (const auto& row : *rows) ASSERT_EQ(row.size(), 32u);
  EXPECT_EQ(low[0][0], "18500");
  EXPECT_EQ(low[0][1], "-1234");
  EXPECT_EQ(low[51][31], "-12345") << "a limit of six characters is written whole";
  EXPECT_EQ(low[0][2], "    0");
  EXPECT_EQ(high[0][0], "19800");
  EXPECT_EQ(high[5][2], "123456");
  EXPECT_EQ(high[5][3], "    5");
  const std::string highText = Text(Path("Config/SampleRawDataHigh.ini"));
  EXPECT_EQ(highText.rfind(CrLf({"; kept", "[Other]", "a=1", "[Sample_Context]"}) + "Y0=19800,    0,", 0), 0u)
      << "other content stays, the row is replaced in place";
}

TEST_F(SampleLimitFilesTest, UnreadableLimitFileIsLeftAlone) {
  // A folder where the lower-limit file belongs cannot be read as a file.
  std::filesystem::create_directories(Path("Config/SampleRawDataLow.ini"));
  const LimitFilesResult result = WriteSampleLimitFiles(AppDirectory(), SampleLimits{});
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message.text, "打开文件 \"" + Path("Config/SampleRawDataLow.ini") + " \"失败！");
  EXPECT_TRUE(std::filesystem::is_directory(Path("Config/SampleRawDataLow.ini")));
  EXPECT_FALSE(std::filesystem::exists(Path("Config/SampleRawDataHigh.ini"))) << "the records stay a pair";
}

}  // namespace
}  // namespace vn
