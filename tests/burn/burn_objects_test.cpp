#include <gtest/gtest.h>

#include "burn/burn_objects.h"
#include "controller/connection_sequence.h"
#include "platform/atomic_file.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

std::string XcfgHeader() { return "[COMMENTS]\r\nSaved by: test\r\n"; }

// One object section of the given size, data byte k = (seed + k) & 0xFF.
std::string ObjectSection(std::uint16_t address, int size, int seed) {
  std::string text = "[OBJECT_T7 INSTANCE 0]\r\nOBJECT_ADDRESS=" + std::to_string(address) + "\r\n";
  text += "OBJECT_SIZE=" + std::to_string(size) + "\r\n";
  for (int k = 0; k < size; ++k) text += std::to_string(k) + " 1 DATA=" + std::to_string((seed + k) & 0xFF) + "\r\n";
  return text;
}

class BurnObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Connect());
    ConnectionState state;
    ASSERT_EQ(ConnectionSequence(rig.controller, state, 0), ConnectionOutcome::Ready);
    rig.board.ClearRecording();
  }

  std::vector<BridgeReport> Writes() const {
    std::vector<BridgeReport> writes;
    for (const BridgeReport& r : rig.OutputReports())
      if (r[3] == 0) writes.push_back(r);
    return writes;
  }

  test::SimRig rig;
  BurnImage image;
};

TEST_F(BurnObjectsTest, LongObjectIsWrittenInChunksOfFiftyEight) {
  ASSERT_TRUE(ParseBurnBytes(XcfgHeader() + ObjectSection(0x0800, 130, 1), image));
  std::vector<int> progress;
  ASSERT_TRUE(BurnObjects(rig.controller, image, [&](int p) { progress.push_back(p); }));
  const auto writes = Writes();
  ASSERT_EQ(writes.size(), 3u + 2u) << "three chunks, then backup and reset";
  const std::pair<int, int> chunks[] = {{0x0800, 60}, {0x0800 + 58, 60}, {0x0800 + 116, 16}};
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(writes[i][4] | writes[i][5] << 8, chunks[i].first);
    EXPECT_EQ(writes[i][2], chunks[i].second);
  }
  EXPECT_EQ(writes[1][6], (1 + 58) & 0xFF) << "the second chunk starts with data byte 58";
  EXPECT_EQ(writes[3][6], 0x55);
  EXPECT_EQ(writes[4][6], 0x01);
  EXPECT_EQ(progress.size(), 16u) << "one value per object of the controller";
  EXPECT_EQ(progress.back(), 100);
  // What was burned is kept through the backup and the reset.
  rig.board.WithController([](SimController& c) {
    for (int k = 0; k < 130; ++k) ASSERT_EQ(c.Peek(static_cast<std::uint16_t>(0x0800 + k)), (1 + k) & 0xFF) << k;
  });
  EXPECT_EQ(rig.sim().resets(), 1);
}

TEST_F(BurnObjectsTest, OnlyAsManyBlocksAsTheControllerHasObjects) {
  std::string text = XcfgHeader();
  for (int i = 0; i < 20; ++i) text += ObjectSection(static_cast<std::uint16_t>(0x0900 + 16 * i), 2, i);
  ASSERT_TRUE(ParseBurnBytes(text, image));
  ASSERT_TRUE(BurnObjects(rig.controller, image));
  EXPECT_EQ(Writes().size(), 16u + 2u);
  rig.board.WithController([](SimController& c) {
    EXPECT_EQ(c.Peek(0x0900 + 16 * 15), 15) << "block 15 is burned";
    EXPECT_EQ(c.Peek(0x0900 + 16 * 16), 0) << "block 16 is not";
  });
}

TEST_F(BurnObjectsTest, FewerSectionsWriteNothingForEmptyBlocks) {
  ASSERT_TRUE(ParseBurnBytes(XcfgHeader() + ObjectSection(0x0A00, 4, 9), image));
  ASSERT_TRUE(BurnObjects(rig.controller, image));
  EXPECT_EQ(Writes().size(), 1u + 2u);
}

TEST_F(BurnObjectsTest, ExampleFileThroughTheWholeProcedure) {
  const BurnResult result =
      BurnConfigurationFile(rig.controller, std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg", image);
  EXPECT_EQ(result.outcome, BurnOutcome::Burned);
  EXPECT_TRUE(rig.log.Contains("更新烧录文件成功 ( 9: 5:30)"));
  rig.board.WithController([](SimController& c) {
    EXPECT_EQ(c.PeekBlock(300, 4), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(c.PeekBlock(304, 3), (std::vector<std::uint8_t>{32, 232, 3}));
  });
}

TEST_F(BurnObjectsTest, RefusedFileNamesTheParsersFindingAndLine) {
  const BurnResult result =
      BurnConfigurationFile(rig.controller, std::string(VN_TEST_DATA_DIR) + "/xcfg/short_object.xcfg", image);
  EXPECT_EQ(result.outcome, BurnOutcome::FileRefused);
  EXPECT_EQ(result.message, "烧录文件不正确！第 6 行：对象数据不足其大小");
  EXPECT_TRUE(rig.OutputReports().empty());
}

TEST_F(BurnObjectsTest, RefusedFileWritesNothing) {
  const std::string path = test::TestFolderPath("refused").string() + ".xcfg";
  ASSERT_TRUE(WriteFileAtomically(path, "[VERSION_INFO_HEADER]\r\nFAMILY_ID=1\r\n"));
  const BurnResult result = BurnConfigurationFile(rig.controller, path, image);
  EXPECT_EQ(result.outcome, BurnOutcome::FileRefused);
  EXPECT_EQ(result.message, "烧录文件不正确！第 1 行：注释段之前有其他段");
  EXPECT_TRUE(rig.OutputReports().empty());
  EXPECT_EQ(BurnConfigurationFile(rig.controller, path + ".missing", image).message, "打开烧录文件失败！");
}

TEST_F(BurnObjectsTest, BoardRemovedMidBurnIsAFailureNeverASuccess) {
  FaultPlan plan;
  plan.at[rig.board.transactions() + 1] = SimFault::Remove;
  rig.board.SetFaultPlan(plan);
  const BurnResult result =
      BurnConfigurationFile(rig.controller, std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg", image);
  EXPECT_EQ(result.outcome, BurnOutcome::BurnFailed);
  EXPECT_TRUE(rig.log.Contains("更新烧录文件失败 ( 9: 5:30)"));
  EXPECT_FALSE(rig.log.Contains("更新烧录文件成功 ( 9: 5:30)"));
}

TEST(BurnProgressTest, TruncatedPercentages) {
  std::vector<int> twenty, three;
  for (int i = 1; i <= 20; ++i) twenty.push_back(BurnProgressPercent(i, 20));
  for (int i = 1; i <= 3; ++i) three.push_back(BurnProgressPercent(i, 3));
  EXPECT_EQ(twenty.front(), 5);
  EXPECT_EQ(twenty[1], 10);
  EXPECT_EQ(twenty.back(), 100);
  EXPECT_EQ(three, (std::vector<int>{33, 66, 100}));
}

}  // namespace
}  // namespace vn
