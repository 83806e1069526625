#include <gtest/gtest.h>

#include <filesystem>

#include "config/additional_parameters_defaults.h"
#include "config/criterion_setting.h"
#include "samples/sample_settings_file.h"
#include "sample_test_folder.h"

namespace vn {
namespace {

using test::CrLf;

class SampleSettingsTest : public test::SampleFolderTest {
 protected:
  std::string File() const { return Path("Config/AdditionalPara1.ini"); }
};

TEST_F(SampleSettingsTest, ReadsTheSampleKeys) {
  Put(File(), CrLf({"[BasicParameters]", "Criterion=1", "BasicParametersFullDirectory=D:\\cfg\\a.txt",
                    "[TestStandards]", "DeviationMethod=0", "AbsoluteDeviationNegative=500",
                    "AbsoluteDeviationPositive=-800", "RelativeDeviationNegative=300", "RelativeDeviationPositive=15",
                    "[SampleInformation]", "NumberOfSamplesListMAX=20", "NumberOfSamplesListed=7"}));
  const SampleSettingsReadResult result = ReadSampleSettings(AppDirectory());
  ASSERT_TRUE(result.ok());
  const DeviationSettings& d = result.settings.deviation;
  EXPECT_EQ(d.DeviationMethod, 0);
  EXPECT_EQ(d.AbsoluteDeviationNegative, 500);
  EXPECT_EQ(d.AbsoluteDeviationPositive, -800);
  EXPECT_EQ(d.RelativeDeviationNegative, 44) << "the low 8 bits of 300";
  EXPECT_EQ(d.RelativeDeviationPositive, 15);
  EXPECT_EQ(result.settings.NumberOfSamplesListMAX, 20);
  EXPECT_EQ(result.settings.NumberOfSamplesListed, 7);
  EXPECT_EQ(result.BasicParametersFullDirectory, "D:\\cfg\\a.txt");
}

TEST_F(SampleSettingsTest, MissingKeysReadAsZeroAMissingFileAsTheInitialSettings) {
  Put(File(), CrLf({"[TestStandards]", "AbsoluteDeviationPositive=12"}));
  const SampleSettingsReadResult partial = ReadSampleSettings(AppDirectory());
  ASSERT_TRUE(partial.ok());
  SampleSettings expected;
  expected.deviation.DeviationMethod = 0;
  expected.deviation.AbsoluteDeviationPositive = 12;
  EXPECT_EQ(partial.settings, expected);

  std::filesystem::remove(File());
  const SampleSettingsReadResult missing = ReadSampleSettings(AppDirectory());
  EXPECT_FALSE(missing.ok());
  EXPECT_EQ(missing.message.text, "打开文件 \"" + File() + " \"失败！");
  EXPECT_EQ(missing.settings, SampleSettings{}) << "percentage method, zero deviations, capacity 0";
  EXPECT_EQ(missing.settings.deviation.DeviationMethod, kPercentageDeviation);
}

TEST_F(SampleSettingsTest, WritingKeepsTheOtherKeysAndNeverWritesTheCapacity) {
  Put(File(), CrLf({"[BasicParameters]", "Criterion=1", "[SampleInformation]", "NumberOfSamplesListMAX=20",
                    "NumberOfSamplesListed=3", "[TestStandards]", "DeviationMethod=1"}));
  SampleSettings settings;
  settings.deviation = {0, 500, -800, 10, 15};
  settings.NumberOfSamplesListMAX = 99;
  settings.NumberOfSamplesListed = 3;
  ASSERT_TRUE(WriteSampleSettings(AppDirectory(), settings, "/cfg/film.txt").ok);
  EXPECT_EQ(Text(File()), CrLf({"[BasicParameters]", "Criterion=1", "BasicParametersFullDirectory=/cfg/film.txt",
                                "[SampleInformation]", "NumberOfSamplesListMAX=20", "NumberOfSamplesListed=3",
                                "[TestStandards]", "DeviationMethod=0", "AbsoluteDeviationNegative=500",
                                "AbsoluteDeviationPositive=-800", "RelativeDeviationNegative=10",
                                "RelativeDeviationPositive=15"}));
}

TEST_F(SampleSettingsTest, MissingFileIsCreatedUnreadableFileLeftAlone) {
  ASSERT_TRUE(WriteSampleSettings(AppDirectory(), SampleSettings{}, "").ok);
  // A file created here is a new station's file: every key, a working capacity.
  EXPECT_EQ(Text(File()), CrLf({"[BasicParameters]", "Criterion=0", "BasicParametersFullDirectory=",
                                "[TestStandards]", "DeviationMethod=1", "AbsoluteDeviationNegative=0",
                                "AbsoluteDeviationPositive=0", "RelativeDeviationNegative=0",
                                "RelativeDeviationPositive=0", "[SampleInformation]", "NumberOfSamplesListMAX=32",
                                "NumberOfSamplesListed=0"}));

  std::filesystem::remove(File());
  std::filesystem::create_directories(File());
  const SampleSettingsWriteResult refused = WriteSampleSettings(AppDirectory(), SampleSettings{}, "");
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message.text, "打开文件 \"" + File() + " \"失败！");
  EXPECT_TRUE(std::filesystem::is_directory(File()));
}

// A new station gets a file that works; an existing file keeps its meaning.
TEST_F(SampleSettingsTest, NewStationFileHasAWorkingCapacity) {
  ASSERT_TRUE(CreateAdditionalParametersIfMissing(AppDirectory()));
  const SampleSettingsReadResult created = ReadSampleSettings(AppDirectory());
  ASSERT_TRUE(created.ok());
  EXPECT_EQ(created.settings.NumberOfSamplesListMAX, 32);
  EXPECT_EQ(created.settings.deviation.DeviationMethod, 0);

  Put(File(), CrLf({"[TestStandards]", "DeviationMethod=1"}));
  ASSERT_TRUE(CreateAdditionalParametersIfMissing(AppDirectory()));
  EXPECT_EQ(Text(File()), CrLf({"[TestStandards]", "DeviationMethod=1"}));

  std::filesystem::remove(File());  // the criterion written into a file that went missing
  ASSERT_TRUE(WriteCriterionSetting(AppDirectory(), 1));
  EXPECT_EQ(ReadSampleSettings(AppDirectory()).settings.NumberOfSamplesListMAX, 32);
  EXPECT_EQ(ReadCriterionSetting(AppDirectory()), 1);
}

}  // namespace
}  // namespace vn
