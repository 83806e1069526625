#include "config/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "config_lines_fixture.h"

namespace vn {
namespace {

using testing::Cells;
using testing::Join;
using testing::ValidLines;

using Lines = std::vector<std::string>;

Lines With(std::size_t index, const std::string& line) {
  Lines lines = ValidLines();
  lines[index] = line;
  return lines;
}

Lines Inserted(std::size_t index, const std::string& line) {
  Lines lines = ValidLines();
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index), line);
  return lines;
}

Lines FirstLines(std::size_t count) {
  Lines lines = ValidLines();
  lines.resize(count);
  return lines;
}

Lines Erased(std::size_t index) {
  Lines lines = ValidLines();
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
  return lines;
}

struct ParseCase {
  const char* name;
  std::string text;
  int errorLine;  // 0: the file is accepted
};

TEST(ParseConfigTextTest, AcceptsOnlyTwentyTwoValidLines) {
  const std::string lf = Join(ValidLines(), "\n");
  const std::string crlf = Join(ValidLines());
  const ParseCase cases[] = {
      {"valid file, CR LF", crlf, 0},
      {"valid file, LF", lf, 0},
      {"no line end after line 22", crlf.substr(0, crlf.size() - 2), 0},
      {"empty file names line 1", "", 1},
      {"21 lines name the missing line 22", Join(Erased(21)), 22},
      {"5 lines name line 6", Join(FirstLines(5)), 6},
      {"23rd line repeating a key", Join(Inserted(22, "x_channel_valid=32\t%c")), 23},
      {"blank line after line 22", crlf + "\r\n", 23},
      {"empty line in the middle", Join(Inserted(4, "")), 5},
      {"byte-order mark before the first key", "\xEF\xBB\xBF" + crlf, 1},
      {"X count 260 is not narrowed", Join(With(0, "x_channel_valid=260\t%c")), 1},
      {"X count 0", Join(With(0, "x_channel_valid=0\t%c")), 1},
      {"X count 33", Join(With(0, "x_channel_valid=33\t%c")), 1},
      {"X count 1", Join(With(0, "x_channel_valid=1\t%c")), 0},
      {"X count with sign and blanks", Join(With(0, "x_channel_valid= \t+32 \t%c")), 0},
      {"X count followed by letters", Join(With(0, "x_channel_valid=32abc\t%c")), 0},
      {"X count without %: empty value", Join(With(0, "x_channel_valid=32")), 1},
      {"Y count 53", Join(With(1, "y_channel_valid=53\t%c")), 2},
      {"VA minimum 15999", Join(With(2, "rawdata_va_min=15999\t%c")), 3},
      {"VA maximum equal to the minimum", Join(With(3, "rawdata_va_max=19000\t%c")), 4},
      {"VA maximum one above the minimum", Join(With(3, "rawdata_va_max=19001\t%c")), 0},
      {"VA maximum checked against the minimum in force",
       Join(With(2, "rawdata_va_min=30000\t%c")), 4},
      {"KEY maximum 40001", Join(With(5, "rawdata_key_max=40001\t%c")), 6},
      {"KEY maximum 40000", Join(With(5, "rawdata_key_max=40000\t%c")), 0},
      {"blank between key and =", Join(With(0, "x_channel_valid =32\t%c")), 1},
      {"key in other case", Join(With(0, "X_channel_valid=32\t%c")), 1},
      {"array key without its size", Join(With(6, "display_area_x=" + Cells(32, 52) + "\t%c")), 7},
      {"unknown key", Join(With(12, "test_key_number_z=0\t%c")), 13},
      {"line without =", Join(With(12, "test_key_number_x")), 13},
      {"cell 2 fails its line", Join(With(7, "display_area_y[52]={2" + Cells(51, 52).substr(2) + "\t%c")), 8},
      {"cell x reads as 0", Join(With(7, "display_area_y[52]={x" + Cells(51, 52).substr(2) + "\t%c")), 0},
      {"matrix cell 9 fails its line", Join(With(21, "multikey_matrix_col7[8]={0,0,0,0,0,0,0,9}\t%c")), 22},
      {"negative key count", Join(With(12, "test_key_number_x=-1\t%c")), 13},
      {"key count 300 has no upper bound", Join(With(12, "test_key_number_x=300\t%c")), 0},
      {"shortened array line", Join(With(6, "display_area_x[52]={1,1}\t%c")), 0},
      {"repeated X count, no Y count", Join(With(1, "x_channel_valid=20\t%c")), 0},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestParameters parameters;
    const ConfigParseResult result = ParseConfigText(c.text, parameters);
    if (c.errorLine == 0) {
      EXPECT_EQ(result.status, ConfigParseStatus::Ok);
    } else {
      EXPECT_EQ(result.status, ConfigParseStatus::LineFailed);
      EXPECT_EQ(result.errorLine, c.errorLine);
    }
  }
}

TEST(ParseConfigTextTest, LastOccurrenceWinsAndMissingKeysKeepTheirValues) {
  TestParameters parameters;
  parameters.y_channel_valid = 40;
  Lines lines = With(1, "x_channel_valid=20\t%c");
  lines[0] = "x_channel_valid=10\t%c";
  ASSERT_TRUE(ParseConfigText(Join(lines), parameters).ok());
  EXPECT_EQ(parameters.x_channel_valid, 20);
  EXPECT_EQ(parameters.y_channel_valid, 40);
}

TEST(ParseConfigTextTest, KeyCountsAreStoredModulo256AsWritten) {
  TestParameters parameters;
  Lines lines = With(12, "test_key_number_x=300\t%c");
  lines[13] = "test_key_number_y=5\t%c";  // not recomputed from the key flags
  ASSERT_TRUE(ParseConfigText(Join(lines), parameters).ok());
  EXPECT_EQ(parameters.test_key_number_x, 300 % 256);
  EXPECT_EQ(parameters.test_key_number_y, 5);
}

ChannelFlags FlagsOf(std::initializer_list<int> ones) {
  ChannelFlags flags{};
  for (int i : ones) flags[static_cast<std::size_t>(i)] = 1;
  return flags;
}

struct CellCase {
  const char* name;
  std::string value;
  ChannelFlags expected;
};

TEST(ParseConfigTextTest, FindsArrayCellsByPosition) {
  // Cells 1,0,1,0,... written with a blank after every comma: cells 0 and 1
  // read right, from cell 2 on each cell reads a neighbour's character.
  std::string spaced = "{";
  for (int i = 0; i < 52; ++i) spaced += std::string(i > 0 ? ", " : "") + (i % 2 == 0 ? "1" : "0");
  spaced += "}";
  const CellCase cases[] = {
      {"blank after each comma", spaced, FlagsOf({0, 3, 6, 9, 12, 15, 18, 21, 24, 27, 30, 33, 36,
                                                  39, 42, 45, 48})},
      {"only two cells: no comma after the second", "{1,1}", FlagsOf({0})},
      {"cell x reads as 0", "{1,x,1" + Cells(0, 52).substr(6), FlagsOf({0, 2})},
      {"last cell before the closing brace", Cells(0, 51).substr(0, 102) + ",1}", FlagsOf({51})},
      {"no braces at all", "", FlagsOf({})},
  };
  for (const CellCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestParameters parameters;
    ASSERT_TRUE(ParseConfigText(Join(With(7, "display_area_y[52]=" + c.value + "\t%c")), parameters).ok());
    EXPECT_EQ(parameters.display_area_y, c.expected);
  }
}

// A failing line leaves its own field as it was and every later line unread.
struct FailureCase {
  const char* name;
  std::size_t index;
  std::string line;
  std::function<void(const TestParameters& before, const TestParameters& after)> check;
};

TEST(ParseConfigTextTest, FailingLineKeepsItsFieldInRange) {
  TestParameters before;
  before.x_channel_valid = 20;
  before.rawdata_va_max = 27000;
  before.rawdata_key_max = 26000;
  before.test_key_number_x = 3;
  before.display_area_y = FlagsOf({1, 2});
  const FailureCase cases[] = {
      {"X count 40", 0, "x_channel_valid=40\t%c",
       [](const TestParameters& b, const TestParameters& a) { EXPECT_EQ(a.x_channel_valid, b.x_channel_valid); }},
      {"VA maximum 40001", 3, "rawdata_va_max=40001\t%c",
       [](const TestParameters& b, const TestParameters& a) { EXPECT_EQ(a.rawdata_va_max, b.rawdata_va_max); }},
      {"KEY maximum below the minimum", 5, "rawdata_key_max=100\t%c",
       [](const TestParameters& b, const TestParameters& a) { EXPECT_EQ(a.rawdata_key_max, b.rawdata_key_max); }},
      {"negative key count", 12, "test_key_number_x=-3\t%c",
       [](const TestParameters& b, const TestParameters& a) { EXPECT_EQ(a.test_key_number_x, b.test_key_number_x); }},
      {"array with a cell 2", 7, "display_area_y[52]={0,2" + Cells(52, 52).substr(4) + "\t%c",
       [](const TestParameters& b, const TestParameters& a) { EXPECT_EQ(a.display_area_y, b.display_area_y); }},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.name);
    Lines lines = With(c.index, c.line);
    lines[21] = "multikey_matrix_col7[8]={1,1,1,1,1,1,1,1}\t%c";  // after every failing line
    TestParameters parameters = before;
    const ConfigParseResult result = ParseConfigText(Join(lines), parameters);
    EXPECT_EQ(result.errorLine, c.index + 1);
    c.check(before, parameters);
    EXPECT_EQ(parameters.multikey_matrix[7][0], 0) << "a line after the failing one was applied";
  }
}

TEST(ParseConfigTextTest, LinesBeforeTheFailingLineStayInForce) {
  TestParameters parameters;
  Lines lines = With(0, "x_channel_valid=12\t%c");
  lines[4] = "rawdata_key_min=99999\t%c";
  lines[5] = "rawdata_key_max=30000\t%c";
  EXPECT_EQ(ParseConfigText(Join(lines), parameters).errorLine, 5);
  EXPECT_EQ(parameters.x_channel_valid, 12);
  EXPECT_EQ(parameters.rawdata_key_min, 19000);
  EXPECT_EQ(parameters.rawdata_key_max, 28000);
}

TEST(ParseConfigTextTest, LowerLimitNeverEndsAtOrAboveItsUpperLimit) {
  struct Case {
    const char* name;
    Lines lines;
    int errorLine;
  } cases[] = {
      // The lower limit is read after its upper limit and passes its own rule.
      {"VA minimum after the maximum", [] {
         Lines l = ValidLines();
         std::swap(l[2], l[3]);
         l[3] = "rawdata_va_min=29000\t%c";
         return l;
       }(), 4},
      {"key minimum repeated above the maximum, then a failing line", [] {
         Lines l = ValidLines();
         l[6] = "rawdata_key_min=29000\t%c";
         l[7] = "not_a_key=1\t%c";
         return l;
       }(), 8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestParameters parameters;
    EXPECT_EQ(ParseConfigText(Join(c.lines), parameters).errorLine, c.errorLine);
    EXPECT_LT(parameters.rawdata_va_min, parameters.rawdata_va_max);
    EXPECT_LT(parameters.rawdata_key_min, parameters.rawdata_key_max);
  }
}

TEST(ParseConfigTextTest, SurplusLineIsNotApplied) {
  TestParameters parameters;
  Lines lines = ValidLines();
  lines.push_back("x_channel_valid=7\t%c");
  EXPECT_EQ(ParseConfigText(Join(lines), parameters).errorLine, 23);
  EXPECT_EQ(parameters.x_channel_valid, 32);
}

TEST(ParseConfigTextTest, KeyNodeMapFollowsTheMatrixAfterEveryParse) {
  {
    SCOPED_TRACE("failure at line 22 after column 1 was read");
    TestParameters parameters;
    Lines lines = With(15, "multikey_matrix_col1[8]={0,1,0,0,0,0,0,1}\t%c");
    lines[21] = "multikey_matrix_col7[8]={3,0,0,0,0,0,0,0}\t%c";
    EXPECT_EQ(ParseConfigText(Join(lines), parameters).errorLine, 22);
    EXPECT_EQ(parameters.key_node_map[1][1], 1);
    EXPECT_EQ(parameters.key_node_map[7][1], 1);
    EXPECT_EQ(parameters.key_node_map[1][7], 0);
  }
  {
    SCOPED_TRACE("failure at line 1 with a stale map");
    TestParameters parameters;
    parameters.multikey_matrix[2][3] = 1;
    EXPECT_EQ(ParseConfigText("bad\r\n", parameters).errorLine, 1);
    EXPECT_EQ(parameters.key_node_map[3][2], 1);
    EXPECT_EQ(parameters.key_node_map[2][3], 0);
  }
}

TEST(ParseConfigTextTest, FailedLineCarriesTheTextsThatNameIt) {
  TestParameters parameters;
  const ConfigParseResult result = ParseConfigText(Join(Erased(21)), parameters);
  EXPECT_EQ(result.logLine, "配置文件错误>_<,位置在第22行。");
  EXPECT_EQ(result.message.text, "配置文件错误，位置在第22行");
  EXPECT_EQ(result.message.caption, "配置错误");
  EXPECT_EQ(result.message.icon, MessageIcon::Stop);
}

TEST(DescribeImportFailureTest, NumberIsRightAlignedInTwoCharacters) {
  const ImportFailureTexts texts = DescribeImportFailure(5);
  EXPECT_EQ(texts.logLine, "配置文件错误>_<,位置在第 5行。");
  EXPECT_EQ(texts.message.text, "配置文件错误，位置在第 5行");
}

TEST(ParseConfigFileTest, UnreadableFileChangesNothing) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "vn4820-no-such-dir" / "missing.txt").string();
  TestParameters parameters;
  parameters.x_channel_valid = 7;
  parameters.multikey_matrix[1][0] = 1;  // a stale map stays stale: nothing is touched
  const TestParameters before = parameters;
  const ConfigParseResult result = ParseConfigFile(path, parameters);
  EXPECT_EQ(result.status, ConfigParseStatus::OpenFailed);
  EXPECT_EQ(result.message.text, "step2:打开文件 \"" + path + " \"失败！");
  EXPECT_EQ(result.message.caption, "");
  EXPECT_EQ(parameters, before);
}

}  // namespace
}  // namespace vn
