#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "samples/sample_file_writer.h"
#include "samples/sample_header_reader.h"
#include "samples/sample_row_reader.h"
#include "sample_test_folder.h"

namespace vn {
namespace {

using test::CrLf;
using Visited = std::map<std::pair<int, int>, std::int32_t>;

Visited ReadRows(const ProfileDocument& file, const TestParameters& p) {
  Visited visited;
  ReadSampleRows(file, p, [&](std::uint8_t x, std::uint8_t y, std::int32_t value) {
    EXPECT_TRUE(visited.emplace(std::make_pair(int(x), int(y)), value).second) << "node visited twice";
  });
  return visited;
}

// 4 X by 3 Y channels, VA over X 0..2 and Y 0..1, everything displayed.
TestParameters FourByThree() {
  TestParameters p;
  p.x_channel_valid = 4;
  p.y_channel_valid = 3;
  p.display_area_x = FirstChannelsSet(4);
  p.display_area_y = FirstChannelsSet(3);
  p.test_va_area_x = FirstChannelsSet(3);
  p.test_va_area_y = FirstChannelsSet(2);
  return p;
}

TEST(SampleRowReaderTest, FileWithEveryChannelDisplayedReadsPositionally) {
  const ProfileDocument file = ProfileDocument::FromText(
      CrLf({"[Sample_Context]", "Y0=16000,40000,16000,    0,", "Y1=40000,16000,40000,    0,", "Y2=    0,    0,    0,    0,"}));
  const Visited expected = {{{0, 0}, 16000}, {{1, 0}, 40000}, {{2, 0}, 16000},
                            {{0, 1}, 40000}, {{1, 1}, 16000}, {{2, 1}, 40000}};
  EXPECT_EQ(ReadRows(file, FourByThree()), expected) << "only VA and KEY nodes are handed on";
}

TEST(SampleRowReaderTest, TokensAreLeadingIntegersBeforeEachComma) {
  struct Case {
    const char* name;
    std::string row;
    std::int32_t x0, x1, x2;
  };
  const Case cases[] = {
      {"padded tokens", "    5,   42,12345,    0,", 5, 42, 12345},
      {"signs and trailing text", "-7,+8,12abc,", -7, 8, 12},
      {"not numbers", "abc,,  ,", 0, 0, 0},
      {"row without a comma", "123", 0, 0, 0},
      {"short row", "1,2", 1, 0, 0},
      {"longer tokens", "123456,-12345,7,", 123456, -12345, 7},
      {"empty row", "", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProfileDocument file = ProfileDocument::FromText(CrLf({"[Sample_Context]", "Y0=" + c.row}));
    Visited visited = ReadRows(file, FourByThree());
    EXPECT_EQ(visited[std::make_pair(0, 0)], c.x0);
    EXPECT_EQ(visited[std::make_pair(1, 0)], c.x1);
    EXPECT_EQ(visited[std::make_pair(2, 0)], c.x2);
  }
}

class SampleRoundTripTest : public test::SampleFolderTest {};

TEST_F(SampleRoundTripTest, RowsLineUpWithTheXChannelsAcrossADisplayGap) {
  // X 1 and X 4 are valid but not displayed: the writer leaves their tokens out.
  TestParameters p;
  p.x_channel_valid = 6;
  p.y_channel_valid = 3;
  p.display_area_x = {1, 0, 1, 1, 0, 1};
  p.display_area_y = {1, 0, 1};
  p.test_va_area_x = {1, 1, 1, 1, 0, 0};
  p.test_va_area_y = {1, 1, 1};
  p.test_key_area_x = {0, 0, 0, 0, 1, 1};
  p.test_key_area_y = {1, 1, 1};
  SampleValues values;
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 3; ++y) values.At(x, y) = 20000 + 100 * x + y;

  const SampleWriteResult written = WriteSampleFile(Folders(), p, values, kSampleSourceCaptured, {2024, 1, 1, 0, 0, 0});
  ASSERT_TRUE(written.ok());
  EXPECT_NE(Text(written.record.path).find("\r\nY0=20000,20200,20300,20500,\r\n"), std::string::npos);
  Visited visited;
  ASSERT_EQ(ReadSampleRows(written.record.path, p,
                           [&](std::uint8_t x, std::uint8_t y, std::int32_t v) { visited[std::make_pair(int(x), int(y))] = v; }),
            ProfileLoadStatus::Loaded);
  Visited expected;
  for (int x : {0, 2, 3, 5})
    for (int y : {0, 2}) expected[std::make_pair(x, y)] = values.At(x, y);
  EXPECT_EQ(visited, expected);
}

TEST_F(SampleRoundTripTest, MissingFileVisitsNothing) {
  bool visited = false;
  EXPECT_EQ(ReadSampleRows(Path("none.ini"), FourByThree(), [&](std::uint8_t, std::uint8_t, std::int32_t) { visited = true; }),
            ProfileLoadStatus::Missing);
  EXPECT_FALSE(visited);
}

TEST_F(SampleRoundTripTest, HeaderOfAnImportedFile) {
  struct Case {
    const char* name;
    std::string text;
    SampleRecord expected;
  };
  SampleRecord full;
  full.time = "1231235959";
  full.VAaverage = 28000;
  full.VAmax = 40000;
  full.VAmin = 16000;
  full.KEYaverage = 20500;
  full.KEYmax = 21000;
  full.KEYmin = 20000;
  const Case cases[] = {
      {"captured sample lists as a sample file",
       CrLf({"[Sample_Configuration]", "Time=1231235959", "Source=1", "VAaverage=28000", "VAmax=40000",
             "VAmin=16000", "KEYaverage=20500", "KEYmax=21000", "KEYmin=20000"}),
       full},
      {"average sample with keys missing", CrLf({"[Sample_Configuration]", "Source=3", "VAmax=40000"}), [] {
         SampleRecord r;
         r.VAmax = 40000;
         return r;
       }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Put(Path("in.ini"), c.text);
    const SampleHeaderResult result = ReadSampleHeader(Path("in.ini"));
    ASSERT_TRUE(result.ok());
    SampleRecord expected = c.expected;
    expected.path = Path("in.ini");
    expected.source = kSampleSourceImported;
    EXPECT_EQ(result.record, expected);
  }
}

TEST_F(SampleRoundTripTest, HeaderOfAMissingFileSaysSo) {
  const SampleHeaderResult result = ReadSampleHeader(Path("gone.ini"));
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.message.text, "打开文件 \"" + Path("gone.ini") + " \"失败！");
  EXPECT_EQ(result.record.path, Path("gone.ini"));
  EXPECT_EQ(result.record.VAmin, 0u);
}

}  // namespace
}  // namespace vn
