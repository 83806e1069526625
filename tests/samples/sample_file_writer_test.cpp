#include <gtest/gtest.h>

#include <filesystem>

#include "samples/area_statistics.h"
#include "samples/sample_file_writer.h"
#include "samples/sample_text.h"
#include "sample_test_folder.h"

namespace vn {
namespace {

using test::CrLf;

constexpr SampleTime kWritten{2024, 3, 5, 7, 8, 9};

// 4 X by 3 Y channels, all displayed; VA over X 0..2 and Y 0..1; no key area.
TestParameters ExampleParameters() {
  TestParameters p;
  p.x_channel_valid = 4;
  p.y_channel_valid = 3;
  p.display_area_x = FirstChannelsSet(4);
  p.display_area_y = FirstChannelsSet(3);
  p.test_va_area_x = FirstChannelsSet(3);
  p.test_va_area_y = FirstChannelsSet(2);
  p.test_key_area_x = {};
  p.test_key_area_y = {};
  return p;
}

SampleValues ExampleValues() {
  SampleValues v;
  const std::int32_t rows[2][3] = {{16000, 40000, 16000}, {40000, 16000, 40000}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) v.At(x, y) = rows[y][x];
  v.At(3, 0) = 777;  // outside the test areas: written as 0
  return v;
}

std::string Flags(std::size_t set) { return FlagListText(FirstChannelsSet(set)); }

std::string ExampleFile(const std::string& time) {
  return CrLf({"[Sample_Configuration]", "Time=" + time, "Source=1", "x_channel_valid=4", "y_channel_valid=3",
               "display_area_x=" + Flags(4), "display_area_y=" + Flags(3), "test_va_area_x=" + Flags(3),
               "test_va_area_y=" + Flags(2), "test_key_area_x=" + Flags(0), "test_key_area_y=" + Flags(0),
               "VAaverage=28000", "VAmax=40000", "VAmin=16000", "KEYaverage=0", "KEYmax=0", "KEYmin=0",
               "[Sample_Context]", "Y0=16000,40000,16000,    0,", "Y1=40000,16000,40000,    0,",
               "Y2=    0,    0,    0,    0,"});
}

class SampleFileWriterTest : public test::SampleFolderTest {
 protected:
  SampleWriteResult WriteExample() {
    return WriteSampleFile(Folders(), ExampleParameters(), ExampleValues(), kSampleSourceCaptured, kWritten);
  }
};

TEST_F(SampleFileWriterTest, ExampleFileFromAnEmptyTemplate) {
  struct Case {
    const char* name;
    bool templateExists;
  };
  const Case cases[] = {{"template missing", false}, {"template empty", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(WorkDirectory());
    std::filesystem::create_directories(WorkDirectory());
    if (c.templateExists) Put(Path("Config/SampleTemplate.ini"), "");

    const SampleWriteResult result = WriteExample();
    ASSERT_TRUE(result.ok()) << result.message.text;
    EXPECT_EQ(result.record.path, Path("work/20240305070809.ini"));
    EXPECT_EQ(Text(result.record.path), ExampleFile("0305070809"));
    EXPECT_EQ(result.record.time, "0305070809");
    EXPECT_EQ(result.record.source, kSampleSourceCaptured);
    EXPECT_EQ(result.record.VAmax, 40000u);
    EXPECT_EQ(result.record.VAmin, 16000u);
    EXPECT_EQ(result.record.VAaverage, 28000);
  }
}

TEST_F(SampleFileWriterTest, TemplateKeysKeepTheirPlaceAndOtherLinesStay) {
  Put(Path("Config/SampleTemplate.ini"),
      CrLf({"; golden sample", "[Sample_Configuration]", "Source=9", "Operator=line 2", "VAmin=1", "",
            "[Sample_Context]", "Y1=old", "; rows follow", "[Notes]", "kept=yes"}));
  const SampleWriteResult result = WriteExample();
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(Text(result.record.path),
            CrLf({"; golden sample", "[Sample_Configuration]", "Source=1", "Operator=line 2", "VAmin=16000",
                  "Time=0305070809", "x_channel_valid=4", "y_channel_valid=3", "display_area_x=" + Flags(4),
                  "display_area_y=" + Flags(3), "test_va_area_x=" + Flags(3), "test_va_area_y=" + Flags(2),
                  "test_key_area_x=" + Flags(0), "test_key_area_y=" + Flags(0), "VAaverage=28000", "VAmax=40000",
                  "KEYaverage=0", "KEYmax=0", "KEYmin=0", "", "[Sample_Context]", "Y1=40000,16000,40000,    0,",
                  "Y0=16000,40000,16000,    0,", "Y2=    0,    0,    0,    0,", "; rows follow", "[Notes]",
                  "kept=yes"}));
}

TEST(SampleRowTextTest, TokensFollowTheNodeClasses) {
  TestParameters p;
  p.x_channel_valid = 6;
  p.y_channel_valid = 4;
  p.display_area_x = {1, 1, 0, 1, 1, 1};
  p.display_area_y = {1, 1, 0, 1, 1};
  p.test_va_area_x = {1, 1, 1, 0, 0, 0};
  p.test_va_area_y = {1, 0, 1, 0};
  p.test_key_area_x = {0, 0, 0, 0, 1, 1};
  p.test_key_area_y = {0, 1, 0, 1};
  SampleValues v;
  const std::int32_t row0[6] = {5, 12345, 999, 8, 9, 10};
  const std::int32_t row1[6] = {1, 2, 3, 4, 123456, -12345};
  for (int x = 0; x < 6; ++x) {
    v.At(x, 0) = row0[x];
    v.At(x, 1) = row1[x];
    v.At(x, 2) = 3;
    v.At(x, 3) = 30000;
  }
  struct Case {
    const char* name;
    std::size_t y;
    std::string row;
  };
  const Case cases[] = {
      // X 2 is not displayed; X 3..5 are outside both areas on this row.
      {"VA row, small values right-aligned", 0, "    5,12345,    0,    0,    0,"},
      // X 0..1 are outside VA here (Y 1 not in VA); X 4..5 are keys.
      {"key row, long values whole", 1, "    0,    0,    0,123456,-12345,"},
      {"Y channel not displayed", 2, ""},
      {"key row beyond the VA", 3, "    0,    0,    0,30000,30000,"},
      {"Y channel beyond the channels in use", 4, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SampleRowText(p, v, c.y), c.row);
  }
}

TEST_F(SampleFileWriterTest, StatisticsWithoutKeyOrVaNodes) {
  TestParameters noVa = ExampleParameters();
  noVa.test_va_area_x = {};
  noVa.test_key_area_x = {0, 1, 1};
  noVa.test_key_area_y = {1};
  SampleValues keyValues = ExampleValues();
  keyValues.At(1, 0) = 101;
  keyValues.At(2, 0) = 100;
  struct Case {
    const char* name;
    TestParameters parameters;
    SampleValues values;
    AreaStatistics expected;
    std::vector<std::string> keys;
  };
  const Case cases[] = {
      {"no KEY node", ExampleParameters(), ExampleValues(), {0, 0, 0, 16000, 40000, 28000},
       {"VAaverage=28000", "VAmax=40000", "VAmin=16000", "KEYaverage=0", "KEYmax=0", "KEYmin=0"}},
      {"no VA node", noVa, keyValues, {100, 101, 100, 0xFFFFFF, 0, 0},
       {"VAaverage=0", "VAmax=0", "VAmin=16777215", "KEYaverage=100", "KEYmax=101", "KEYmin=100"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ComputeAreaStatistics(c.parameters, c.values), c.expected);
    const SampleWriteResult result =
        WriteSampleFile(Folders(), c.parameters, c.values, kSampleSourceAveraged, kWritten);
    ASSERT_TRUE(result.ok());
    const std::string text = Text(result.record.path);
    for (const std::string& key : c.keys) EXPECT_NE(text.find("\r\n" + key + "\r\n"), std::string::npos) << key;
    EXPECT_NE(text.find("\r\nSource=3\r\n"), std::string::npos);
  }
}

TEST_F(SampleFileWriterTest, StatisticsCountOnlyDisplayNodes) {
  TestParameters p = ExampleParameters();
  p.display_area_x[1] = 0;  // hides the 40000 of row 0 and the 16000 of row 1
  SampleValues values = ExampleValues();
  values.At(2, 1) = 40001;
  const AreaStatistics s = ComputeAreaStatistics(p, values);
  EXPECT_EQ(s.VAmin, 16000u);
  EXPECT_EQ(s.VAmax, 40001u);
  EXPECT_EQ(s.VAaverage, 28000) << "(16000 + 16000 + 40000 + 40001) / 4 truncated";
}

TEST_F(SampleFileWriterTest, SamplesOfTheSameSecondGetTheirOwnFiles) {
  const SampleWriteResult first = WriteExample();
  const SampleWriteResult second =
      WriteSampleFile(Folders(), ExampleParameters(), SampleValues{}, kSampleSourceAveraged, kWritten);
  const SampleWriteResult third = WriteExample();
  SampleTime nextSecond = kWritten;
  nextSecond.second = 10;
  const SampleWriteResult later =
      WriteSampleFile(Folders(), ExampleParameters(), ExampleValues(), kSampleSourceCaptured, nextSecond);
  ASSERT_TRUE(first.ok() && second.ok() && third.ok() && later.ok());
  EXPECT_EQ(first.record.path, Path("work/20240305070809.ini"));
  EXPECT_EQ(second.record.path, Path("work/20240305070809-2.ini"));
  EXPECT_EQ(third.record.path, Path("work/20240305070809-3.ini"));
  EXPECT_EQ(later.record.path, Path("work/20240305070810.ini"));
  EXPECT_EQ(Text(first.record.path), ExampleFile("0305070809")) << "the first sample is not replaced";
  EXPECT_NE(Text(second.record.path).find("Source=3"), std::string::npos);
}

TEST_F(SampleFileWriterTest, UnwritableWorkDirectoryIsReported) {
  SampleFolders folders = Folders();
  folders.sampleWorkDirectory = Path("no-such-folder");
  const SampleWriteResult result =
      WriteSampleFile(folders, ExampleParameters(), ExampleValues(), kSampleSourceCaptured, kWritten);
  EXPECT_EQ(result.status, SampleWriteStatus::SaveFailed);
  EXPECT_EQ(result.record.path, Path("no-such-folder/20240305070809.ini"));
  EXPECT_EQ(result.message.text, result.record.path + "写入失败！");
  EXPECT_FALSE(std::filesystem::exists(result.record.path));
}

TEST(SampleTimeTest, StampsAreZeroPadded) {
  const SampleTime time{987, 1, 2, 0, 4, 59};
  EXPECT_EQ(SampleFileStamp(time), "09870102000459");
  EXPECT_EQ(SampleTimeValue(time), "0102000459");
}

TEST_F(SampleFileWriterTest, CapturedAndAverageSamplesTakeTheStateFolders) {
  MainWindowState state;
  state.appDirectory = AppDirectory();
  state.sampleWorkDirectory = WorkDirectory();
  state.testParameters = ExampleParameters();
  const SampleValues values = ExampleValues();
  for (int i = 0; i < 3; ++i)
    for (int y = 0; y < 3; ++y) state.run.measuredValues.At(i, y) = static_cast<std::uint16_t>(values.At(i, y));
  const SampleWriteResult captured = WriteCapturedSample(state, kWritten);
  ASSERT_TRUE(captured.ok());
  EXPECT_EQ(Text(captured.record.path), ExampleFile("0305070809"));
  const SampleWriteResult averaged = WriteAverageSample(state, values, kWritten);
  ASSERT_TRUE(averaged.ok());
  EXPECT_EQ(averaged.record.source, kSampleSourceAveraged);
  EXPECT_EQ(averaged.record.path, Path("work/20240305070809-2.ini"));
}

}  // namespace
}  // namespace vn
