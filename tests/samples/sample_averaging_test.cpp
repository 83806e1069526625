#include <gtest/gtest.h>

#include "samples/sample_averaging.h"
#include "samples/sample_file_writer.h"
#include "samples/sample_header_reader.h"
#include "sample_test_folder.h"

namespace vn {
namespace {

using test::CrLf;

// 3 X by 1 Y channel: X 0..1 VA, X 2 displayed but outside the test areas.
TestParameters ThreeNodes() {
  TestParameters p;
  p.x_channel_valid = 3;
  p.y_channel_valid = 1;
  p.display_area_x = FirstChannelsSet(3);
  p.display_area_y = FirstChannelsSet(1);
  p.test_va_area_x = FirstChannelsSet(2);
  p.test_va_area_y = FirstChannelsSet(1);
  return p;
}

class SampleAveragingTest : public test::SampleFolderTest {
 protected:
  std::vector<std::string> Samples(const std::vector<std::string>& rows) {
    std::vector<std::string> paths;
    for (const std::string& row : rows) {
      paths.push_back(Path("s" + std::to_string(paths.size()) + ".ini"));
      Put(paths.back(), CrLf({"[Sample_Context]", "Y0=" + row}));
    }
    return paths;
  }
};

TEST_F(SampleAveragingTest, AveragesAreTruncatedAndEveryFileCounts) {
  struct Case {
    const char* name;
    std::vector<std::string> rows;
    std::int32_t x0, x1;
  };
  const Case cases[] = {
      {"100, 101, 101", {"100,  300, 9,", "101,  300, 9,", "101,  300, 9,"}, 100, 300},
      {"a node missing from one file still counts", {"100,300,", "100,", "100,300,"}, 100, 200},
      {"negative sums truncate toward zero", {"-1,5,", "-1,5,", "0,5,"}, 0, 5},
      {"four files", {"1,1,", "2,1,", "3,1,", "5,2,"}, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SampleAverageResult result = AverageSamples(Samples(c.rows), ThreeNodes());
    ASSERT_TRUE(result.ok) << result.message.text;
    EXPECT_EQ(result.values.At(0, 0), c.x0);
    EXPECT_EQ(result.values.At(1, 0), c.x1);
    EXPECT_EQ(result.values.At(2, 0), 0) << "an untested display node averages to 0";
  }
}

TEST_F(SampleAveragingTest, FewerThanThreeFilesAreRefused) {
  for (std::size_t count = 0; count < 3; ++count) {
    SCOPED_TRACE(count);
    std::vector<std::string> paths = Samples({"1,", "2,", "3,"});
    paths.resize(count);
    const SampleAverageResult result = AverageSamples(paths, ThreeNodes());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.text, "请先在“□”打钩选中至少3个样本，再点击“生成平均样本”");
    EXPECT_EQ(result.message.caption, "提示");
    EXPECT_EQ(result.message.icon, MessageIcon::Warning);
  }
}

TEST_F(SampleAveragingTest, AVanishedFileIsRefused) {
  std::vector<std::string> paths = Samples({"1,", "2,"});
  paths.push_back(Path("vanished.ini"));
  const SampleAverageResult result = AverageSamples(paths, ThreeNodes());
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message.text, "打开文件 \"" + Path("vanished.ini") + " \"失败！");
}

TEST_F(SampleAveragingTest, AverageSampleFileFromWrittenSamples) {
  MainWindowState state;
  state.appDirectory = AppDirectory();
  state.sampleWorkDirectory = WorkDirectory();
  state.testParameters = ThreeNodes();
  std::vector<std::string> paths;
  for (std::uint16_t value : {20000, 20001, 20001}) {
    state.run.measuredValues.At(0, 0) = value;
    state.run.measuredValues.At(1, 0) = static_cast<std::uint16_t>(value + 1000);
    const SampleWriteResult captured = WriteCapturedSample(state, {2024, 6, 1, 12, 0, 0});
    ASSERT_TRUE(captured.ok());
    paths.push_back(captured.record.path);
  }
  const SampleAverageResult average = AverageSamples(paths, state.testParameters);
  ASSERT_TRUE(average.ok);
  const SampleWriteResult written = WriteAverageSample(state, average.values, {2024, 6, 1, 12, 0, 0});
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(written.record.path, Path("work/20240601120000-4.ini"));
  EXPECT_NE(Text(written.record.path).find("\r\nY0=20000,21000,    0,\r\n"), std::string::npos);
  const SampleHeaderResult header = ReadSampleHeader(written.record.path);
  EXPECT_EQ(header.record.VAmin, 20000u);
  EXPECT_EQ(header.record.VAmax, 21000u);
  EXPECT_EQ(header.record.VAaverage, 20500);
}

}  // namespace
}  // namespace vn
