#include "burn/flash_memory_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "support/scripted_file_chooser.h"
#include "support/tester_rig.h"

namespace vn {
namespace {

const std::string kExample = std::string(VN_TEST_DATA_DIR) + "/xcfg/example.xcfg";

TEST(FlashMemoryLogicTest, VersionLabelColours) {
  struct Case {
    const char* version;
    std::uint32_t text;
    std::uint32_t background;
  };
  const Case cases[] = {{"1.0", 0x00FF00, 0xF0F0F0}, {"1.1", 0xFF0000, 0xF0F0F0},
                        {"2.1", 0x0000FF, 0x000000}, {"", 0x0000FF, 0x000000}};
  for (const Case& c : cases) {
    const VersionLabelStyle style = VersionLabelFor(c.version);
    EXPECT_EQ(style.text, std::string("IC版本:") + c.version);
    EXPECT_EQ(style.textColour, c.text) << c.version;
    EXPECT_EQ(style.backgroundColour, c.background) << c.version;
    EXPECT_EQ(style.faceName, "宋体");
    EXPECT_EQ(style.tenthsOfPoint, 200);
  }
}

TEST(FlashMemoryLogicTest, EachModeEnablesItsOwnButton) {
  EXPECT_EQ(ActionButtonsFor(kManualBurn), (BurnActionButtons{true, false, false}));
  EXPECT_EQ(ActionButtonsFor(kContinuousBurn), (BurnActionButtons{false, true, false}));
  EXPECT_EQ(ActionButtonsFor(kOfflineBurn), (BurnActionButtons{false, false, true}));
}

class FlashMemoryTest : public ::testing::Test {
 protected:
  test::TesterRig rig;
  test::ScriptedFileChooser files;
  FlashMemoryLogic logic{rig.tester, files};
};

TEST_F(FlashMemoryTest, ModeBeforeAFileChangesNoButton) {
  EXPECT_EQ(logic.buttons(), BurnActionButtons{});
  logic.ChooseMode(kContinuousBurn);
  EXPECT_EQ(logic.buttons(), BurnActionButtons{});
  files.answers = {kExample};
  ASSERT_TRUE(logic.Import());
  EXPECT_EQ(logic.buttons(), ActionButtonsFor(kContinuousBurn)) << "the mode chosen before counts";
  logic.ChooseMode(kManualBurn);
  EXPECT_EQ(logic.buttons(), ActionButtonsFor(kManualBurn));
  EXPECT_EQ(files.requests[0].dialog.filter, "烧录文件(*.xcfg)|*.xcfg||");
  EXPECT_EQ(files.requests[0].dialog.initialPath, rig.tester.state().appDirectory + "/Config/.xcfg");
}

TEST_F(FlashMemoryTest, CancelledOrUnreadableImportTakesNoFile) {
  files.answers = {std::nullopt, std::string("/no/such/file.xcfg")};
  EXPECT_FALSE(logic.Import());
  EXPECT_FALSE(logic.Import());
  EXPECT_TRUE(logic.burnFilePath().empty());
  EXPECT_EQ(logic.buttons(), BurnActionButtons{});
}

TEST_F(FlashMemoryTest, BurnOnceShowsTheProgressAndLogsTheSuccess) {
  ASSERT_TRUE(rig.Connect());
  files.answers = {kExample};
  ASSERT_TRUE(logic.Import());
  std::vector<int> shown;
  const BurnResult result = logic.BurnOnce([&](int p) { shown.push_back(p); });
  EXPECT_EQ(result.outcome, BurnOutcome::Burned);
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown.front(), 0);
  EXPECT_EQ(shown.back(), 100);
  EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
  EXPECT_EQ(rig.tester.state().burnProgress, 100);
  EXPECT_TRUE(rig.tester.log().Contains("更新烧录文件成功 ( 9: 5:30)"));
  rig.board.WithController([](SimController& c) {
    EXPECT_EQ(c.Peek(300), 1) << "the first object of the file reached its address";
    EXPECT_EQ(c.Peek(303), 4);
  });
}

TEST_F(FlashMemoryTest, RefusedFileGivesItsMessageAndWritesNothing) {
  ASSERT_TRUE(rig.Connect());
  const std::filesystem::path bad = std::filesystem::temp_directory_path() /
                                          ("vn4820-flash-refused-" + std::to_string(std::random_device{}()) + ".xcfg");
  {
    std::ofstream(bad) << "[VERSION_INFO_HEADER]\nFAMILY_ID=1\n";
  }
  files.answers = {bad.string()};
  ASSERT_TRUE(logic.Import());
  const auto transactions = rig.board.transactions();
  const BurnResult result = logic.BurnOnce({});
  std::filesystem::remove(bad);
  EXPECT_EQ(result.outcome, BurnOutcome::FileRefused);
  ASSERT_EQ(rig.presenter.messages.size(), 1u);
  EXPECT_EQ(rig.presenter.messages[0].text, "烧录文件不正确！第 1 行：注释段之前有其他段");
  EXPECT_EQ(rig.board.transactions(), transactions);
  EXPECT_EQ(rig.tester.state().burnProgress, 0);
}

}  // namespace
}  // namespace vn
