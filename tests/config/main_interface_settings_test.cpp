#include "config/main_interface_settings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/tester_rig.h"

namespace vn {
namespace {

struct RecordedActions : MainInterfaceActions {
  void StartRefreshTimer(int intervalMs) override { calls.push_back("start " + std::to_string(intervalMs)); }
  void StopRefreshTimer() override { calls.push_back("stop"); }
  void ApplyScreenLayout() override { calls.push_back("layout"); }
  std::vector<std::string> calls;
};

class MainInterfaceTest : public ::testing::Test {
 protected:
  MainInterfaceEditTexts Texts() const { return FormatMainInterfaceEdits(members); }

  test::TesterRig rig;
  MainWindowState& state = rig.tester.state();
  MainInterfaceMembers members = MembersFromState(rig.tester.state());
  RecordedActions actions;
};

TEST(MainInterfaceSettingsTest, IntervalListAndLogLine) {
  const int expected[] = {500, 1000, 1500, 2000, 3000};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(RefreshIntervalMs(i), expected[i]);
  EXPECT_EQ(RefreshIntervalMs(9), 1000) << "outside the list: the default entry";
  EXPECT_EQ(RefreshIntervalLogLine(1000), "连续刷新时间= 1000ms");
  EXPECT_EQ(RefreshIntervalLogLine(500), "连续刷新时间=  500ms");
}

TEST(MainInterfaceSettingsTest, EditsShowTheLimitsInExchangeOrder) {
  MainInterfaceMembers m{1, 2, 3, 4, 0};
  EXPECT_EQ(FormatMainInterfaceEdits(m), (MainInterfaceEditTexts{"4", "3", "2", "1"}));
}

TEST_F(MainInterfaceTest, RepetitionOnStartsTimerFiveWithItsLogLine) {
  state.autoRefreshEnabled = 1;
  CloseMainInterfaceControl(rig.tester, Texts(), members, actions);
  EXPECT_EQ(state.refreshIntervalMs, 1000);
  EXPECT_TRUE(rig.tester.log().Contains("连续刷新时间= 1000ms"));
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"start 1000", "layout"}));
}

TEST_F(MainInterfaceTest, RepetitionOffStopsTimerFive) {
  state.refreshIntervalIndex = 4;
  CloseMainInterfaceControl(rig.tester, Texts(), members, actions);
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"stop", "layout"}));
  EXPECT_EQ(state.refreshIntervalMs, 0);
  EXPECT_TRUE(rig.tester.log().Lines().empty());
}

TEST_F(MainInterfaceTest, LimitsApplyOnlyWhileTheDifferenceCriterionIsOn) {
  MainInterfaceEditTexts texts = {"9000", "100", "8000", "200"};
  CloseMainInterfaceControl(rig.tester, texts, members, actions);
  EXPECT_EQ(state.differenceLimits.keyDiffUpper, 10000) << "criterion off: unchanged";
  state.diffCriterionEnabled = 1;
  CloseMainInterfaceControl(rig.tester, texts, members, actions);
  EXPECT_EQ(state.differenceLimits.keyDiffUpper, 9000);
  EXPECT_EQ(state.differenceLimits.keyDiffLower, 100);
  EXPECT_EQ(state.differenceLimits.vaDiffUpper, 8000);
  EXPECT_EQ(state.differenceLimits.vaDiffLower, 200);
  EXPECT_TRUE(rig.presenter.messages.empty());
}

// Bad limits are checked like the configuration dialog's values: the message
// names the field and the range, nothing is applied, the dialog stays open.
TEST_F(MainInterfaceTest, BadLimitKeepsTheDialogOpenNamingItsField) {
  struct Case {
    const char* name;
    MainInterfaceEditTexts texts;
    MainInterfaceEdit edit;
    std::string message;
  } cases[] = {
      {"above the range", {"20000", "100", "8000", "200"}, kKeyDiffUpperEdit,
       "按键区合格差值上限：请输入一个 -10000 至 16000 之间的整数。"},
      {"not a number", {"9000", "x", "8000", "200"}, kKeyDiffLowerEdit,
       "按键区合格差值下限：请输入一个 -10000 至 16000 之间的整数。"},
      {"lower above upper", {"9000", "100", "3000", "5000"}, kVaDiffLowerEdit,
       "可视区合格差值下限（5000）不能大于可视区合格差值上限（3000）"},
  };
  state.diffCriterionEnabled = 1;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    rig.presenter.messages.clear();
    actions.calls.clear();
    EXPECT_EQ(CloseMainInterfaceControl(rig.tester, c.texts, members, actions), std::optional(c.edit));
    ASSERT_EQ(rig.presenter.messages.size(), 1u);
    EXPECT_EQ(rig.presenter.messages[0].text, c.message);
    EXPECT_EQ(state.differenceLimits.keyDiffUpper, 10000) << "nothing applied";
    EXPECT_EQ(state.differenceLimits.vaDiffLower, 3000);
    EXPECT_TRUE(actions.calls.empty()) << "the close stopped";
  }
}

TEST_F(MainInterfaceTest, SheetTypeIsSentToTheConnectedController) {
  ASSERT_TRUE(rig.ConnectAndConfirm());
  members.sheetChoice = 1;
  CloseMainInterfaceControl(rig.tester, Texts(), members, actions);
  EXPECT_EQ(state.sheetType, 1);
  EXPECT_EQ(rig.sim().ObjectBytes(56).at(0), 1) << "the OGS setting of object 56";
  EXPECT_TRUE(rig.presenter.Enabled(Control::StartButton));
}

TEST_F(MainInterfaceTest, WithoutTheLinkNothingIsSentAndStartStaysAsItWas) {
  const auto transactions = rig.board.transactions();
  members.sheetChoice = 1;
  CloseMainInterfaceControl(rig.tester, Texts(), members, actions);
  EXPECT_EQ(state.sheetType, 1);
  EXPECT_EQ(rig.board.transactions(), transactions);
  EXPECT_FALSE(rig.presenter.Enabled(Control::StartButton));
}

}  // namespace
}  // namespace vn
