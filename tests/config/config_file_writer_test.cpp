#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "config/config_file.h"
#include "platform/atomic_file.h"
#include "platform/gbk.h"

namespace vn {
namespace {

std::string Gbk(const char* utf8) {
  const auto bytes = Utf8ToGbk(utf8);
  EXPECT_TRUE(bytes.has_value()) << utf8;
  return bytes.value_or("");
}

std::string Cells(int ones, int total) {
  std::string text = "{";
  for (int i = 0; i < total; ++i) text += std::string(i > 0 ? "," : "") + (i < ones ? "1" : "0");
  return text + "}";
}

// The default file, built here from the table of lines rather than from the writer.
std::string ExpectedDefaultFile() {
  const std::string x52 = Cells(32, 52), y52 = Cells(52, 52), none = Cells(0, 52);
  // GBK of "X有效通道数量0~32", spelled out so the conversion itself is checked.
  std::string file = "x_channel_valid=32\t%X\xD3\xD0\xD0\xA7\xCD\xA8\xB5\xC0\xCA\xFD\xC1\xBF" "0~32\r\n";
  const std::pair<std::string, const char*> rest[] = {
      {"y_channel_valid=52", "Y有效通道数量0~32"},
      {"rawdata_va_min=19000", "VA区测试值下限"},
      {"rawdata_va_max=28000", "VA区测试值上限"},
      {"rawdata_key_min=19000", "按键区测试值下限"},
      {"rawdata_key_max=28000", "按键区测试值上限"},
      {"display_area_x[52]=" + x52, "X通道显示区域"},
      {"display_area_y[52]=" + y52, "Y通道显示区域"},
      {"test_va_area_x[52]=" + x52, "可视区的X通道测试区域"},
      {"test_va_area_y[52]=" + y52, "可视区的Y通道测试区域"},
      {"test_key_area_x[52]=" + none, "按键区的X通道测试区域"},
      {"test_key_area_y[52]=" + none, "按键区的Y通道测试区域"},
      {"test_key_number_x=0", "X按键总数"},
      {"test_key_number_y=0", "Y按键总数"},
      {"multikey_matrix_col0[8]=" + Cells(0, 8), "多行按键矩阵0列"},
      {"multikey_matrix_col1[8]=" + Cells(0, 8), "多行按键矩阵1列"},
      {"multikey_matrix_col2[8]=" + Cells(0, 8), "多行按键矩阵2列"},
      {"multikey_matrix_col3[8]=" + Cells(0, 8), "多行按键矩阵3列"},
      {"multikey_matrix_col4[8]=" + Cells(0, 8), "多行按键矩阵4列"},
      {"multikey_matrix_col5[8]=" + Cells(0, 8), "多行按键矩阵5列"},
      {"multikey_matrix_col6[8]=" + Cells(0, 8), "多行按键矩阵6列"},
      {"multikey_matrix_col7[8]=" + Cells(0, 8), "多行按键矩阵7列"},
  };
  for (const auto& [content, comment] : rest) file += content + "\t%" + Gbk(comment) + "\r\n";
  return file;
}

TestParameters SampleRecord() {
  TestParameters p;
  p.x_channel_valid = 24;
  p.y_channel_valid = 40;
  p.rawdata_va_min = 16000;
  p.rawdata_va_max = 40000;
  p.rawdata_key_min = 20000;
  p.rawdata_key_max = 20001;
  p.display_area_x = FirstChannelsSet(10);
  p.display_area_y[51] = 0;
  p.test_va_area_x = FirstChannelsSet(20);
  p.test_va_area_y = FirstChannelsSet(30);
  p.test_key_area_x[21] = p.test_key_area_x[23] = 1;
  p.test_key_area_y[35] = p.test_key_area_y[38] = 1;
  p.test_key_number_x = 2;
  p.test_key_number_y = 2;
  p.multikey_matrix[0][0] = p.multikey_matrix[1][1] = p.multikey_matrix[7][7] = 1;
  p.RebuildKeyNodeMap();
  return p;
}

class ConfigFileWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = std::filesystem::temp_directory_path() /
                 ("vn4820-config-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) +
                  "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(directory_);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }
  std::string PathOf(const char* name) const { return (directory_ / name).string(); }

  std::filesystem::path directory_;
};

TEST_F(ConfigFileWriterTest, DefaultRecordGivesTheDefaultFileByteForByte) {
  const std::string path = PathOf("default.txt");
  ASSERT_TRUE(WriteConfigFile(path, TestParameters{}).ok());
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_EQ(bytes, ExpectedDefaultFile());
}

TEST_F(ConfigFileWriterTest, WrittenFileReadsBackToTheSameRecord) {
  const TestParameters cases[] = {TestParameters{}, SampleRecord()};
  for (const TestParameters& record : cases) {
    SCOPED_TRACE(record == TestParameters{} ? "defaults" : "sample record");
    const std::string path = PathOf("round.txt");
    ASSERT_TRUE(WriteConfigFile(path, record).ok());
    TestParameters parsed;
    parsed.x_channel_valid = 1;
    parsed.test_key_area_y.fill(1);
    ASSERT_TRUE(ParseConfigFile(path, parsed).ok());
    EXPECT_EQ(parsed, record);
  }
}

TEST_F(ConfigFileWriterTest, XArraysCarryZeroBeyondChannel31) {
  TestParameters record;
  record.display_area_x.fill(1);
  record.test_key_area_x.fill(1);
  const auto bytes = FormatConfigFile(record);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_NE(bytes->find("display_area_x[52]=" + Cells(32, 52) + "\t"), std::string::npos);
  EXPECT_NE(bytes->find("test_key_area_x[52]=" + Cells(32, 52) + "\t"), std::string::npos);
  TestParameters parsed;
  ASSERT_TRUE(ParseConfigText(*bytes, parsed).ok());
  EXPECT_EQ(parsed.display_area_x, FirstChannelsSet(32));
}

TEST_F(ConfigFileWriterTest, UncreatableFileIsReportedAndNothingIsWritten) {
  const std::string path = PathOf("missing-dir/config.txt");
  const ConfigWriteResult result = WriteConfigFile(path, TestParameters{});
  EXPECT_EQ(result.status, ConfigWriteStatus::OpenFailed);
  EXPECT_EQ(result.message.text, path + "打开失败！");
  EXPECT_FALSE(std::filesystem::exists(directory_ / "missing-dir"));
}

TEST_F(ConfigFileWriterTest, FailedWriteIsReportedAndLeavesNoTemporaryFile) {
  // The target is a directory: the rename onto it fails after the bytes were written.
  const std::string path = PathOf("occupied");
  std::filesystem::create_directories(directory_ / "occupied" / "inside");
  const ConfigWriteResult result = WriteConfigFile(path, TestParameters{});
  EXPECT_EQ(result.status, ConfigWriteStatus::WriteFailed);
  EXPECT_FALSE(result.message.text.empty());
  EXPECT_TRUE(std::filesystem::is_directory(directory_ / "occupied" / "inside"));
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory_)) ++entries;
  EXPECT_EQ(entries, 1u) << "a temporary file was left behind";
}

}  // namespace
}  // namespace vn
