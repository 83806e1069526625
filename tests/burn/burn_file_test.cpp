#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "burn/burn_file.h"
#include "burn/burn_image.h"
#include "platform/atomic_file.h"

namespace vn {
namespace {

const std::string kXcfgDir = std::string(VN_TEST_DATA_DIR) + "/xcfg/";

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

const std::string kComments = Lines({"[COMMENTS]", "Saved by: tester"});

// An object section of the given type and address whose data are one-byte lines.
std::string ObjectSection(int type, int address, const std::vector<int>& bytes) {
  std::string text = "[OBJECT_T" + std::to_string(type) + " INSTANCE 0]\r\n";
  text += "OBJECT_ADDRESS=" + std::to_string(address) + "\r\n";
  text += "OBJECT_SIZE=" + std::to_string(bytes.size()) + "\r\n";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    text += std::to_string(i) + " 1 DATA=" + std::to_string(bytes[i]) + "\r\n";
  }
  return text;
}

std::vector<std::uint8_t> Head(const ObjectImage& block, std::size_t count) {
  const auto bytes = block.Bytes();
  return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count)};
}

std::vector<std::uint8_t> DataOf(const ObjectImage& block) {
  return {block.Data().begin(), block.Data().end()};
}

bool AllZero(const ObjectImage& block) { return block == ObjectImage{}; }

std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

TEST(BurnFileTest, ExampleFileFillsTwoBlocks) {
  BurnImage image;
  const BurnParseResult result = ParseBurnFile(kXcfgDir + "example.xcfg", image);
  ASSERT_EQ(result.outcome, BurnParseOutcome::Accepted);
  EXPECT_EQ(result.rejection, BurnRejection::None);
  EXPECT_EQ(image.SectionCount(), 2);

  const ObjectImage& first = image.Blocks()[0];
  EXPECT_EQ(Head(first, 7), (std::vector<std::uint8_t>{44, 1, 4, 1, 2, 3, 4}));
  EXPECT_EQ(first.Address(), 300);
  EXPECT_EQ(DataOf(first), (std::vector<std::uint8_t>{1, 2, 3, 4}));

  const ObjectImage& second = image.Blocks()[1];
  EXPECT_EQ(Head(second, 6), (std::vector<std::uint8_t>{48, 1, 3, 32, 232, 3}));
  EXPECT_EQ(second.Address(), 304);
  EXPECT_EQ(DataOf(second), (std::vector<std::uint8_t>{32, 232, 3}));

  for (std::size_t i = 7; i < ObjectImage::kBlockBytes; ++i) EXPECT_EQ(first.Bytes()[i], 0) << i;
  for (std::size_t b = 2; b < BurnImage::kBlockCount; ++b) EXPECT_TRUE(AllZero(image.Blocks()[b])) << b;

  // The same file with LF line ends reads the same.
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(kXcfgDir + "example.xcfg", bytes));
  BurnImage fromLf;
  ASSERT_TRUE(ParseBurnBytes(WithoutCarriageReturns(bytes), fromLf));
  EXPECT_EQ(fromLf, image);
}

struct OutcomeCase {
  const char* name;
  std::string text;
  BurnParseOutcome outcome;
  BurnRejection rejection;
  int sectionCount;  // of an accepted file
};

TEST(BurnFileTest, SectionsAndTheCommentRuleDecideTheOutcome) {
  const std::string object = ObjectSection(8, 300, {1});
  const OutcomeCase cases[] = {
      {"version section before the comment section", Lines({"[VERSION_INFO_HEADER]", "FAMILY_ID=1"}) + kComments,
       BurnParseOutcome::Rejected, BurnRejection::CommentsNotFirst, 0},
      {"comment section without a content line", Lines({"[COMMENTS]"}) + object, BurnParseOutcome::HeaderMissing,
       BurnRejection::None, 0},
      {"comment section with blank lines only", Lines({"[COMMENTS]", "", "   ", "\t"}) + object,
       BurnParseOutcome::HeaderMissing, BurnRejection::None, 0},
      {"content of a later plain section counts", Lines({"[COMMENTS]", "[VERSION_INFO_HEADER]", "VERSION=16"}) + object,
       BurnParseOutcome::Accepted, BurnRejection::None, 1},
      {"objects but no plain section", object, BurnParseOutcome::HeaderMissing, BurnRejection::None, 0},
      {"empty file", "", BurnParseOutcome::HeaderMissing, BurnRejection::None, 0},
      {"comments only, no object", kComments, BurnParseOutcome::Accepted, BurnRejection::None, 0},
      {"text before the first section ignored", "no section yet\r\nOBJECT_SIZE=9\r\n" + kComments + object,
       BurnParseOutcome::Accepted, BurnRejection::None, 1},
      {"type 0", kComments + ObjectSection(0, 300, {1}), BurnParseOutcome::Rejected, BurnRejection::TypeOutOfRange, 0},
      {"type 101 is read whole, not as 10", kComments + ObjectSection(101, 300, {1}), BurnParseOutcome::Rejected,
       BurnRejection::TypeOutOfRange, 0},
      {"type 1", kComments + ObjectSection(1, 300, {1}), BurnParseOutcome::Accepted, BurnRejection::None, 1},
      {"type 100", kComments + ObjectSection(100, 300, {1}), BurnParseOutcome::Accepted, BurnRejection::None, 1},
      {"no digits after _T", kComments + Lines({"[KEY_TIMER INSTANCE 0]", "OBJECT_ADDRESS=1", "OBJECT_SIZE=0"}),
       BurnParseOutcome::Rejected, BurnRejection::TypeOutOfRange, 0},
      {"type after a second _T", kComments + Lines({"[KEY_TIMING_T42 INSTANCE 0]", "OBJECT_ADDRESS=1", "OBJECT_SIZE=0"}),
       BurnParseOutcome::Accepted, BurnRejection::None, 1},
      {"type after the last _T that digits follow",
       kComments + Lines({"[PROC_TAP_TRACKER_T42 INSTANCE 0]", "OBJECT_ADDRESS=1", "OBJECT_SIZE=0"}),
       BurnParseOutcome::Accepted, BurnRejection::None, 1},
      {"_T without INSTANCE is a plain section",
       kComments + Lines({"[UNKNOWN_T8]", "OBJECT_ADDRESS=300", "OBJECT_SIZE=1", "0 1 DATA=1"}),
       BurnParseOutcome::Accepted, BurnRejection::None, 0},
      {"_T0 without INSTANCE is not type-checked", kComments + Lines({"[UNKNOWN_T0 0]", "x=1"}),
       BurnParseOutcome::Accepted, BurnRejection::None, 0},
      {"INSTANCE without _T is a plain section", kComments + Lines({"[UNKNOWN INSTANCE 0]", "OBJECT_SIZE=1"}),
       BurnParseOutcome::Accepted, BurnRejection::None, 0},
      {"bracket without closing bracket is content", Lines({"[COMMENTS"}), BurnParseOutcome::HeaderMissing,
       BurnRejection::None, 0},
  };
  for (const OutcomeCase& c : cases) {
    SCOPED_TRACE(c.name);
    BurnImage image;
    const BurnParseResult result = ParseBurnBytes(c.text, image);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.rejection, c.rejection);
    EXPECT_EQ(image.SectionCount(), c.sectionCount);
    if (c.sectionCount == 0) {
      EXPECT_TRUE(AllZero(image.Blocks()[0]));
    }
  }
}

struct ObjectCase {
  const char* name;
  std::string section;  // the lines after "[OBJECT_T5 INSTANCE 0]"
  std::vector<std::uint8_t> head;  // the first bytes of block 0
};

TEST(BurnFileTest, AddressSizeAndDataLinesFillTheBlock) {
  const ObjectCase cases[] = {
      {"width-2 lines store low then high byte",
       Lines({"OBJECT_ADDRESS=4660", "OBJECT_SIZE=4", "0 2 DATA=1000", "2 2 DATA=65535"}),
       {0x34, 0x12, 4, 232, 3, 255, 255}},
      {"a width-2 line ends the object exactly at its size",
       Lines({"OBJECT_ADDRESS=1", "OBJECT_SIZE=3", "0 1 DATA=5", "1 2 DATA=258"}),
       {1, 0, 3, 5, 2, 1}},
      {"largest address", Lines({"OBJECT_ADDRESS=65535", "OBJECT_SIZE=1", "0 1 DATA=255"}), {255, 255, 1, 255}},
      {"blanks before numbers skipped", Lines({"OBJECT_ADDRESS=  300", "OBJECT_SIZE= 1", "0 1 DATA= 7"}),
       {44, 1, 1, 7}},
      {"hexadecimal is not read", Lines({"OBJECT_ADDRESS=0x12C", "OBJECT_SIZE=1", "0 1 DATA=0x20"}), {0, 0, 1, 0}},
      {"data line without DATA word", Lines({"OBJECT_ADDRESS=2", "OBJECT_SIZE=1", "0 1=9"}), {2, 0, 1, 9}},
      {"object of size 0", Lines({"OBJECT_ADDRESS=300", "OBJECT_SIZE=0"}), {44, 1, 0}},
      {"address beyond 16 bits keeps its low 16 bits (4464)", Lines({"OBJECT_ADDRESS=70000", "OBJECT_SIZE=1", "0 1 DATA=1"}),
       {0x70, 0x11, 1, 1}},
      {"values beyond their width keep their low bytes",
       Lines({"OBJECT_ADDRESS=1", "OBJECT_SIZE=3", "0 1 DATA=256", "1 2 DATA=65537"}), {1, 0, 3, 0, 1, 0}},
  };
  for (const ObjectCase& c : cases) {
    SCOPED_TRACE(c.name);
    BurnImage image;
    const BurnParseResult result = ParseBurnBytes(kComments + "[OBJECT_T5 INSTANCE 0]\r\n" + c.section, image);
    ASSERT_EQ(result.outcome, BurnParseOutcome::Accepted) << static_cast<int>(result.rejection);
    EXPECT_EQ(Head(image.Blocks()[0], c.head.size()), c.head);
    EXPECT_EQ(image.Blocks()[0].Data().size(), c.head.size() - 3);
  }
}

struct RefusalCase {
  const char* name;
  std::string text;
  BurnRejection rejection;
  std::size_t lineNumber;
};

std::string ManyObjects(int count) {
  std::string text = kComments;
  for (int i = 0; i < count; ++i) text += ObjectSection(5, 100 + i, {i});
  return text;
}

std::string ObjectOfSize(int size, int dataBytes) {
  std::string text = kComments + "[OBJECT_T5 INSTANCE 0]\r\nOBJECT_ADDRESS=1\r\n";
  text += "OBJECT_SIZE=" + std::to_string(size) + "\r\n";
  for (int i = 0; i < dataBytes; ++i) text += std::to_string(i) + " 1 DATA=" + std::to_string(i) + "\r\n";
  return text;
}

// Line 3 is the object header after the two comment lines; 4, 5, 6 … follow it.
std::string Object(std::initializer_list<std::string_view> lines) {
  return kComments + "[OBJECT_T5 INSTANCE 0]\r\n" + Lines(lines);
}

TEST(BurnFileTest, RefusesFilesThatWouldPutBytesOutsideTheirPlace) {
  const RefusalCase cases[] = {
      {"65 object sections", ManyObjects(65), BurnRejection::TooManyObjects, 3 + 64 * 4},
      {"254 data bytes", ObjectOfSize(254, 254), BurnRejection::ObjectTooLarge, 5},
      {"size 300 is not cut to its low byte", ObjectOfSize(300, 44), BurnRejection::ObjectTooLarge, 5},
      {"data lines end before the size, at the next section",
       Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=3", "0 1 DATA=1", "[VERSION_INFO_HEADER]"}),
       BurnRejection::ObjectIncomplete, 3},
      {"data lines end before the size, at the end of the file", ObjectOfSize(4, 3), BurnRejection::ObjectIncomplete,
       3},
      {"section without any line", Object({}) + ObjectSection(5, 1, {1}), BurnRejection::ObjectIncomplete, 3},
      {"size before address", Object({"OBJECT_SIZE=1", "OBJECT_ADDRESS=1"}), BurnRejection::LineOutOfOrder, 4},
      {"second address", Object({"OBJECT_ADDRESS=1", "OBJECT_ADDRESS=2"}), BurnRejection::LineOutOfOrder, 5},
      {"data before the size", Object({"OBJECT_ADDRESS=1", "0 1 DATA=1"}), BurnRejection::LineOutOfOrder, 5},
      {"data after an object of size 0", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=0", "0 1 DATA=1"}),
       BurnRejection::LineOutOfOrder, 6},
      {"gap between offsets", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=3", "0 1 DATA=1", "2 1 DATA=3"}),
       BurnRejection::OffsetMismatch, 7},
      {"offset 300 is not cut to 44", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=2", "300 1 DATA=1"}),
       BurnRejection::OffsetMismatch, 6},
      {"width-2 line past the size", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=3", "0 2 DATA=1", "2 2 DATA=1"}),
       BurnRejection::DataBeyondSize, 7},
      {"width 0", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=1", "0 0 DATA=1"}), BurnRejection::MalformedDataLine, 6},
      {"width 4", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=4", "0 4 DATA=1"}), BurnRejection::MalformedDataLine, 6},
      {"blank before = of OBJECT_ADDRESS", Object({"OBJECT_ADDRESS =1"}), BurnRejection::MalformedDataLine, 4},
      {"key in lower case", Object({"object_address=1"}), BurnRejection::MalformedDataLine, 4},
      {"line without =", Object({"OBJECT_ADDRESS=1", "OBJECT_SIZE=1", "0 1 DATA 5"}),
       BurnRejection::MalformedDataLine, 6},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    BurnImage image;
    const BurnParseResult result = ParseBurnBytes(c.text, image);
    EXPECT_EQ(result.outcome, BurnParseOutcome::Rejected);
    EXPECT_EQ(result.rejection, c.rejection);
    EXPECT_EQ(result.lineNumber, c.lineNumber);
    EXPECT_EQ(image, BurnImage{});
  }
}

TEST(BurnFileTest, FaultFixturesAreRejected) {
  struct FixtureCase {
    const char* file;
    BurnRejection rejection;
    std::size_t lineNumber;
  };
  const FixtureCase cases[] = {
      {"short_object.xcfg", BurnRejection::ObjectIncomplete, 6},
      {"data_after_object.xcfg", BurnRejection::LineOutOfOrder, 8},
  };
  for (const FixtureCase& c : cases) {
    SCOPED_TRACE(c.file);
    BurnImage image;
    const BurnParseResult result = ParseBurnFile(kXcfgDir + c.file, image);
    EXPECT_EQ(result.outcome, BurnParseOutcome::Rejected);
    EXPECT_EQ(result.rejection, c.rejection);
    EXPECT_EQ(result.lineNumber, c.lineNumber);
  }
}

TEST(BurnFileTest, FullImageAtTheLimits) {
  BurnImage image;
  ASSERT_TRUE(ParseBurnBytes(ManyObjects(64), image));
  EXPECT_EQ(image.SectionCount(), 64);
  EXPECT_EQ(image.Blocks()[63].Address(), 163);
  EXPECT_EQ(DataOf(image.Blocks()[63]), std::vector<std::uint8_t>{63});

  ASSERT_TRUE(ParseBurnBytes(ObjectOfSize(253, 253), image));
  const ObjectImage& block = image.Blocks()[0];
  EXPECT_EQ(block.Size(), 253);
  EXPECT_EQ(block.Data().size(), 253u);
  EXPECT_EQ(block.Bytes()[255], 252);
}

TEST(BurnFileTest, EveryParseStartsFromAnEmptyImage) {
  BurnImage image;
  ASSERT_TRUE(ParseBurnBytes(kComments + ObjectSection(5, 10, {1, 2, 3, 4, 5}) + ObjectSection(6, 20, {6, 7}) +
                                 ObjectSection(7, 30, {8}),
                             image));
  ASSERT_EQ(image.SectionCount(), 3);

  const std::string smaller = kComments + ObjectSection(9, 40, {9, 9});
  ASSERT_TRUE(ParseBurnBytes(smaller, image));
  BurnImage fresh;
  ASSERT_TRUE(ParseBurnBytes(smaller, fresh));
  EXPECT_EQ(image, fresh);
  EXPECT_EQ(image.SectionCount(), 1);
  EXPECT_EQ(Head(image.Blocks()[0], 8), (std::vector<std::uint8_t>{40, 0, 2, 9, 9, 0, 0, 0}));
  EXPECT_TRUE(AllZero(image.Blocks()[1]));
  EXPECT_TRUE(AllZero(image.Blocks()[2]));

  // A refused or unreadable file leaves nothing that could be burned.
  ASSERT_FALSE(ParseBurnFile(kXcfgDir + "short_object.xcfg", image));
  EXPECT_EQ(image, BurnImage{});
  ASSERT_TRUE(ParseBurnBytes(smaller, image));
  ASSERT_EQ(ParseBurnBytes(Lines({"[COMMENTS]"}), image).outcome, BurnParseOutcome::HeaderMissing);
  EXPECT_EQ(image, BurnImage{});
}

TEST(BurnFileTest, UnopenablePaths) {
  for (const std::string& path : {kXcfgDir + "no such file.xcfg", kXcfgDir, std::string()}) {
    SCOPED_TRACE(path);
    BurnImage image;
    ASSERT_TRUE(ParseBurnFile(kXcfgDir + "example.xcfg", image));
    const BurnParseResult result = ParseBurnFile(path, image);
    EXPECT_EQ(result.outcome, BurnParseOutcome::Unopenable);
    EXPECT_EQ(image, BurnImage{});
  }
}

TEST(BurnFileTest, MessagesOfTheOutcomes) {
  EXPECT_EQ(BurnParseMessage(BurnParseOutcome::Unopenable), "打开烧录文件失败！");
  EXPECT_EQ(BurnParseMessage(BurnParseOutcome::Rejected), "烧录文件不正确！");
  EXPECT_EQ(BurnParseMessage(BurnParseOutcome::HeaderMissing), "烧录文件头错误！");
  EXPECT_EQ(BurnParseMessage(BurnParseOutcome::Accepted), "");
}

TEST(BurnImageTest, WritesStayInsideTheBlocks) {
  ObjectImage block;
  EXPECT_FALSE(block.SetSize(254));
  EXPECT_EQ(block.Size(), 0);
  EXPECT_FALSE(block.SetDataByte(0, 1));  // no byte below size 0
  ASSERT_TRUE(block.SetSize(253));
  EXPECT_TRUE(block.SetDataByte(252, 7));
  EXPECT_FALSE(block.SetDataByte(253, 7));
  EXPECT_EQ(block.Bytes()[255], 7);

  BurnImage image;
  for (std::size_t i = 0; i < BurnImage::kBlockCount; ++i) ASSERT_NE(image.AddObjectSection(), nullptr);
  EXPECT_EQ(image.AddObjectSection(), nullptr);
  EXPECT_EQ(image.SectionCount(), 64);
}

}  // namespace
}  // namespace vn
