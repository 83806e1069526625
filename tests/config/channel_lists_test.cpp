#include "config/channel_lists.h"

#include <gtest/gtest.h>

#include "platform/file_chooser.h"

namespace vn {
namespace {

TEST(ChannelListsTest, ItemTextsRightAlignTheChannel) {
  EXPECT_EQ(ChannelItemCount(ChannelAxis::X), 32u);
  EXPECT_EQ(ChannelItemCount(ChannelAxis::Y), 52u);
  EXPECT_EQ(ChannelItemText(ChannelAxis::X, 0), "X 0");
  EXPECT_EQ(ChannelItemText(ChannelAxis::X, 31), "X31");
  EXPECT_EQ(ChannelItemText(ChannelAxis::Y, 9), "Y 9");
  EXPECT_EQ(ChannelItemText(ChannelAxis::Y, 51), "Y51");
}

TEST(ChannelListsTest, CountEditChecksDisplayAndVisibleAreaAndClearsTheKeyArea) {
  struct Case {
    ChannelAxis axis;
    std::int64_t count;
    std::size_t expectedInUse;
  };
  const Case cases[] = {
      {ChannelAxis::X, 10, 10}, {ChannelAxis::X, 0, 0},   {ChannelAxis::X, 32, 32},
      {ChannelAxis::X, 40, 32}, {ChannelAxis::Y, 52, 52}, {ChannelAxis::Y, 5, 5},
  };
  for (const Case& c : cases) {
    AxisChecks checks;
    checks.display.fill(1);
    checks.visibleArea.fill(0);
    checks.keyArea.fill(1);
    ApplyChannelCount(checks, c.axis, c.count);
    const std::size_t items = ChannelItemCount(c.axis);
    for (std::size_t i = 0; i < items; ++i) {
      const std::uint8_t inUse = i < c.expectedInUse ? 1 : 0;
      EXPECT_EQ(checks.display[i], inUse) << c.count << " item " << i;
      EXPECT_EQ(checks.visibleArea[i], inUse) << c.count << " item " << i;
      EXPECT_EQ(checks.keyArea[i], 0) << c.count << " item " << i;
    }
  }
}

TEST(ChannelListsTest, KeyChannelsCountOnlyTheItemsOfTheAxis) {
  ChannelFlags checks{};
  checks[2] = checks[5] = 1;
  checks[40] = 1;  // no X item has this index
  const KeyChannels x = CountKeyChannels(checks, ChannelAxis::X);
  EXPECT_EQ(x.count, 2);
  EXPECT_EQ(x.flags[40], 0);
  EXPECT_EQ(CountKeyChannels(checks, ChannelAxis::Y).count, 3);
}

TEST(ChannelListsTest, MultiKeyDefinitionNeedsTwoKeyChannelsOnEachAxis) {
  const auto keys = [](std::uint8_t count) {
    KeyChannels k;
    k.count = count;
    return k;
  };
  EXPECT_FALSE(MultiKeyDefinitionOffered(keys(1), keys(5)));
  EXPECT_FALSE(MultiKeyDefinitionOffered(keys(5), keys(1)));
  EXPECT_TRUE(MultiKeyDefinitionOffered(keys(2), keys(2)));
}

TEST(FileFilterTest, PairsOfDescriptionAndPattern) {
  EXPECT_EQ(ParseFileFilter("文本文件(*.txt)|*.txt||"),
            (std::vector<FileFilterEntry>{{"文本文件(*.txt)", "*.txt"}}));
  EXPECT_EQ(ParseFileFilter("A|*.a|B|*.b||"), (std::vector<FileFilterEntry>{{"A", "*.a"}, {"B", "*.b"}}));
  EXPECT_TRUE(ParseFileFilter("").empty());
  EXPECT_TRUE(ParseFileFilter("A").empty());
}

TEST(FileFilterTest, NameAndFolderOfAPath) {
  EXPECT_EQ(FileNameOfPath("/w/Config/.txt"), ".txt");
  EXPECT_EQ(FolderOfPath("/w/Config/.txt"), "/w/Config");
  EXPECT_EQ(FileNameOfPath("C:\\a\\b.ini"), "b.ini");
  EXPECT_EQ(FileNameOfPath("plain"), "plain");
  EXPECT_EQ(FolderOfPath("plain"), "");
}

}  // namespace
}  // namespace vn
