#include <filesystem>

#include "config/config_file.h"
#include "config/criterion_setting.h"
#include "config_lines_fixture.h"
#include "configurate_fixture.h"
#include "platform/profile_file.h"

namespace vn {
namespace {

using test::ConfigurateTest;

int StoredCriterion(const std::string& appDirectory) {
  return ReadProfileInt(AdditionalParametersPath(appDirectory), "BasicParameters", "Criterion", -1);
}

TEST_F(ConfigurateTest, OpeningShowsTheMainRecord) {
  state().testParameters.x_channel_valid = 20;
  state().testParameters.test_key_area_x[3] = 1;
  logic->Initialise();
  EXPECT_EQ(view.edits[kXCountEdit], "20");
  EXPECT_EQ(view.edits[kVaUpperEdit], "28000");
  EXPECT_EQ(view.shownChecks.first.display[31], 1);
  EXPECT_EQ(view.shownChecks.first.keyArea[3], 1);
  EXPECT_EQ(logic->state().keyX.count, 1) << "the key channels follow the key lists";
  EXPECT_FALSE(view.multiKeyEnabled);
}

TEST_F(ConfigurateTest, OpeningTakesTheKeyMatrixAndOffersItsDefinition) {
  TestParameters& p = state().testParameters;
  p.test_key_area_x[0] = p.test_key_area_x[1] = 1;
  p.test_key_area_y[10] = p.test_key_area_y[11] = 1;
  p.multikey_matrix[1][0] = 1;  // column 1, row 0
  p.RebuildKeyNodeMap();
  logic->Initialise();
  EXPECT_TRUE(view.multiKeyEnabled);
  EXPECT_EQ(logic->state().keyMatrix[0][1], 1) << "[row][column]";
  EXPECT_FALSE(logic->state().matrixEdited);
}

TEST_F(ConfigurateTest, OpeningTakesTheCriterionOfTheAdditionalParameters) {
  struct Case {
    const char* stored;  // nullptr: no file
    int criterion;
  };
  const Case cases[] = {{nullptr, 0}, {"0", 0}, {"1", 1}, {"7", 0}};
  for (const Case& c : cases) {
    std::filesystem::remove(AdditionalParametersPath(root.string()));
    if (c.stored) Put(AdditionalParametersPath(root.string()), std::string("[BasicParameters]\r\nCriterion=") + c.stored + "\r\n");
    state().criterion = 1 - c.criterion;
    logic->Initialise();
    EXPECT_EQ(state().criterion, c.criterion) << (c.stored ? c.stored : "no file");
    EXPECT_EQ(logic->state().members.criterionChoice, c.criterion);
    EXPECT_EQ(presenter().Enabled(Control::ArrangeSampleMenuItem), c.criterion == 1);
  }
}

TEST_F(ConfigurateTest, OpeningUnderAnotherCriterionWithdrawsTheConfirmation) {
  ASSERT_TRUE(rig->ConnectAndConfirm());  // value range confirmed
  Put(AdditionalParametersPath(root.string()), "[BasicParameters]\r\nCriterion=1\r\n");
  logic->Initialise();
  EXPECT_EQ(state().criterionReady, 0);
  EXPECT_FALSE(presenter().Enabled(Control::StartButton));
}

TEST_F(ConfigurateTest, ClosingAtOnceConfirmsTheConfigurationWithoutQuestions) {
  ASSERT_TRUE(rig->Connect());
  state().configFilePath = "/somewhere/in-force.txt";
  logic->Initialise();
  presenter().changes.clear();
  EXPECT_EQ(logic->Close(), CloseOutcome::Closed);
  EXPECT_TRUE(presenter().messages.empty());
  EXPECT_EQ(state().criterionReady, 1);
  EXPECT_TRUE(Logged("配置文件正确"));
  EXPECT_TRUE(Logged("判定依据：测试值上下限范围"));
  EXPECT_TRUE(presenter().Enabled(Control::StartButton));
  EXPECT_EQ(StoredCriterion(root.string()), 0);
  EXPECT_EQ(presenter().changes, std::vector<DisplayChange>{DisplayChange::NodeLists});
  EXPECT_EQ(state().configFilePath, "/somewhere/in-force.txt") << "nothing imported or exported";
}

TEST_F(ConfigurateTest, StartStaysDisabledWithoutTheLink) {
  logic->Initialise();
  EXPECT_EQ(logic->Close(), CloseOutcome::Closed);
  EXPECT_EQ(state().criterionReady, 1);
  EXPECT_FALSE(presenter().Enabled(Control::StartButton));
}

TEST_F(ConfigurateTest, ClosingUnderSampleDeviationDoesNotConfirm) {
  logic->Initialise();
  logic->ChooseCriterion(1);
  EXPECT_EQ(logic->Close(), CloseOutcome::Closed);
  EXPECT_EQ(state().criterionReady, 0);
  EXPECT_FALSE(Logged("配置文件正确"));
  EXPECT_TRUE(Logged("判定依据：样本偏差"));
  EXPECT_EQ(StoredCriterion(root.string()), 1);
}

TEST_F(ConfigurateTest, CriterionRadioTakesEffectAtOnce) {
  ASSERT_TRUE(rig->ConnectAndConfirm());
  logic->Initialise();
  logic->ChooseCriterion(1);
  EXPECT_EQ(state().criterion, 1);
  EXPECT_EQ(state().criterionReady, 0);
  EXPECT_TRUE(presenter().Enabled(Control::ArrangeSampleMenuItem));
  EXPECT_FALSE(presenter().Enabled(Control::StartButton));
  logic->ChooseCriterion(0);
  EXPECT_FALSE(presenter().Enabled(Control::ArrangeSampleMenuItem));
}

TEST_F(ConfigurateTest, CancelAtTheSaveQuestionLosesTheEditsButStillConfirms) {
  logic->Initialise();
  view.edits[kVaLowerEdit] = "20000";
  presenter().answers = {MessageResult::Cancel};
  EXPECT_EQ(logic->Close(), CloseOutcome::Closed);
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, "当前配置已经更改，是否保存？");
  EXPECT_EQ(presenter().messages[0].caption, "保存当前配置");
  EXPECT_EQ(presenter().messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(presenter().messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_TRUE(files.requests.empty());
  EXPECT_EQ(state().testParameters.rawdata_va_min, 19000);
  EXPECT_EQ(state().criterionReady, 1);
  EXPECT_TRUE(Logged("配置文件正确"));
}

TEST_F(ConfigurateTest, OkAtTheSaveQuestionExportsAndApplies) {
  logic->Initialise();
  view.edits[kVaLowerEdit] = "20000";
  files.answers = {Path("saved")};
  presenter().answers = {MessageResult::Ok};
  EXPECT_EQ(logic->Close(), CloseOutcome::Closed);
  ASSERT_EQ(files.requests.size(), 1u);
  EXPECT_TRUE(files.requests[0].save);
  EXPECT_EQ(state().testParameters.rawdata_va_min, 20000);
  EXPECT_EQ(state().configFilePath, Path("saved.txt"));
  TestParameters reread;
  EXPECT_TRUE(ParseConfigFile(Path("saved.txt"), reread).ok());
  EXPECT_EQ(reread.rawdata_va_min, 20000);
}

TEST_F(ConfigurateTest, InvalidValuesOnCloseOfferToGoOnOrAbandon) {
  logic->Initialise();
  state().criterionReady = 0;
  view.edits[kXCountEdit] = "0";
  presenter().answers = {MessageResult::Ok, MessageResult::Ok};
  EXPECT_EQ(logic->Close(), CloseOutcome::StaysOpen);
  ASSERT_EQ(presenter().messages.size(), 2u);
  EXPECT_EQ(presenter().messages[0].text, "X有效通道数量 错误，范围应该是1~32");
  EXPECT_EQ(presenter().messages[1].text, "当前配置错误，继续更改(确定)，还是放弃(取消)？");
  EXPECT_EQ(presenter().messages[1].caption, "配置错误");
  EXPECT_EQ(presenter().messages[1].icon, MessageIcon::Stop);

  presenter().answers = {MessageResult::Ok, MessageResult::Cancel};
  EXPECT_EQ(logic->Close(), CloseOutcome::Closed);
  EXPECT_EQ(state().criterionReady, 0) << "abandoned: nothing confirmed";
  EXPECT_EQ(state().testParameters.x_channel_valid, 32);
  EXPECT_FALSE(Logged("配置文件正确"));
  EXPECT_EQ(StoredCriterion(root.string()), 0) << "written first, whatever follows";
}

TEST_F(ConfigurateTest, EntryThatIsNotANumberOnCloseCountsAsInvalid) {
  logic->Initialise();
  view.edits[kKeyUpperEdit] = "abc";
  presenter().answers = {MessageResult::Ok, MessageResult::Ok};
  EXPECT_EQ(logic->Close(), CloseOutcome::StaysOpen);
  ASSERT_EQ(presenter().messages.size(), 2u);
  EXPECT_EQ(presenter().messages[0].text, "请输入一个正整数。");
  EXPECT_EQ(view.focused, kKeyUpperEdit);
}

TEST_F(ConfigurateTest, FailedImportNamesTheLine) {
  logic->Initialise();
  std::vector<std::string> lines = testing::ValidLines();
  lines[5] = "rawdata_key_max=50000\t%c";
  Put(Path("bad.txt"), testing::Join(lines));
  state().criterionReady = 1;
  files.answers = {Path("bad.txt")};
  view.edits[kVaLowerEdit] = "20001";
  logic->Import();
  EXPECT_EQ(state().criterionReady, 0);
  EXPECT_EQ(state().configErrorLine, 6);
  EXPECT_TRUE(Logged("配置文件错误>_<,位置在第 6行。"));
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, "配置文件错误，位置在第 6行");
  EXPECT_EQ(presenter().messages[0].caption, "配置错误");
  EXPECT_EQ(presenter().messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(view.edits[kVaLowerEdit], "20001") << "the dialog keeps its values";
  EXPECT_TRUE(logic->state().filePath.empty());
}

TEST_F(ConfigurateTest, ImportFillsTheDialogFromTheFile) {
  logic->Initialise();
  std::vector<std::string> lines = testing::ValidLines();
  lines[0] = "x_channel_valid=12\t%c";
  lines[10] = "test_key_area_x[52]=" + testing::Cells(2, 52) + "\t%c";
  Put(Path("good.txt"), testing::Join(lines));
  files.answers = {Path("good.txt")};
  logic->Import();
  EXPECT_TRUE(presenter().messages.empty());
  EXPECT_EQ(state().testParameters.x_channel_valid, 12);
  EXPECT_EQ(view.edits[kXCountEdit], "12");
  EXPECT_EQ(logic->state().keyX.count, 2);
  EXPECT_EQ(logic->state().filePath, Path("good.txt"));
  EXPECT_EQ(files.requests[0].dialog.filter, "文本文件(*.txt)|*.txt||");
  EXPECT_EQ(files.requests[0].dialog.initialPath, (root / "Config" / ".txt").string());
  EXPECT_FALSE(files.requests[0].save);
}

TEST_F(ConfigurateTest, CancelledOrUnreadableImportIsSilent) {
  logic->Initialise();
  const TestParameters before = state().testParameters;
  files.answers = {std::nullopt, Path("missing.txt")};
  logic->Import();
  logic->Import();
  EXPECT_TRUE(presenter().messages.empty());
  EXPECT_EQ(state().testParameters, before);
}

TEST_F(ConfigurateTest, ExportAppendsTxtUnlessTheNameEndsInLowerCaseTxt) {
  struct Case {
    const char* chosen;
    const char* written;
  };
  const Case cases[] = {{"a", "a.txt"}, {"b.TXT", "b.TXT.txt"}, {"c.txt", "c.txt"}, {"d.tx", "d.tx.txt"},
                        {"txt", "txt.txt"}};
  logic->Initialise();
  for (const Case& c : cases) {
    files.answers = {Path(c.chosen)};
    EXPECT_TRUE(logic->Export()) << c.chosen;
    EXPECT_TRUE(std::filesystem::exists(Path(c.written))) << c.written;
    EXPECT_EQ(logic->state().filePath, Path(c.written));
  }
  EXPECT_EQ(files.requests[0].dialog.initialPath, (root / "Config" / ".txt").string());
  EXPECT_TRUE(files.requests[0].dialog.confirmOverwrite);
}

TEST_F(ConfigurateTest, ExportWritesWhatTheEditsHoldAndAppliesItWithTheKeyCounts) {
  logic->Initialise();
  view.edits[kYCountEdit] = "40";
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 4, true);
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 6, true);
  logic->ListCheckChanged(ChannelAxis::Y, ChannelList::KeyArea, 1, true);
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::Display, 0, false);
  files.answers = {Path("k.txt")};
  ASSERT_TRUE(logic->Export());
  TestParameters reread;
  ASSERT_TRUE(ParseConfigFile(Path("k.txt"), reread).ok());
  EXPECT_EQ(reread.y_channel_valid, 40);
  EXPECT_EQ(reread.test_key_number_x, 2);
  EXPECT_EQ(reread.test_key_number_y, 1);
  EXPECT_EQ(reread.display_area_x[0], 0);
  const TestParameters& live = state().testParameters;
  EXPECT_EQ(live.y_channel_valid, 40);
  EXPECT_EQ(live.test_key_area_x[4], 1);
  EXPECT_EQ(live.test_key_number_x, 2);
  EXPECT_EQ(live.display_area_x[0], 0);
}

TEST_F(ConfigurateTest, ExportOfInvalidValuesShowsTheRuleAndNoFileDialog) {
  logic->Initialise();
  view.edits[kVaUpperEdit] = "19000";  // equal to the lower limit
  EXPECT_FALSE(logic->Export());
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, "VA区测试值上限 错误，范围应该是 VA区测试值下限~40000");
  EXPECT_TRUE(files.requests.empty());
  EXPECT_FALSE(logic->state().lastValid);
}

TEST_F(ConfigurateTest, ExportToAFileThatCannotBeCreatedAppliesNothing) {
  logic->Initialise();
  view.edits[kVaLowerEdit] = "20000";
  files.answers = {Path("no-such-folder/x.txt")};
  EXPECT_FALSE(logic->Export());
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, Path("no-such-folder/x.txt") + "打开失败！");
  EXPECT_EQ(state().testParameters.rawdata_va_min, 19000);
}

TEST_F(ConfigurateTest, TypingAnXCountResetsTheThreeXLists) {
  logic->Initialise();
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 2, true);
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 3, true);
  logic->ListCheckChanged(ChannelAxis::Y, ChannelList::KeyArea, 2, true);
  logic->ListCheckChanged(ChannelAxis::Y, ChannelList::KeyArea, 3, true);
  ASSERT_TRUE(view.multiKeyEnabled);
  logic->state().keyMatrix[0][0] = 1;
  view.edits[kXCountEdit] = "10";
  logic->ChannelCountEdited(ChannelAxis::X);
  const AxisChecks& x = view.shownChecks.first;
  for (std::size_t i = 0; i < 32; ++i) {
    EXPECT_EQ(x.display[i], i < 10 ? 1 : 0) << i;
    EXPECT_EQ(x.visibleArea[i], i < 10 ? 1 : 0) << i;
    EXPECT_EQ(x.keyArea[i], 0) << i;
  }
  EXPECT_EQ(view.shownChecks.second.keyArea[2], 1) << "the Y lists are untouched";
  EXPECT_EQ(logic->state().keyX.count, 0);
  EXPECT_FALSE(view.multiKeyEnabled);
  EXPECT_EQ(logic->state().keyMatrix, KeyMatrix{});
  EXPECT_EQ(logic->state().members.xCount, 10);
  EXPECT_TRUE(presenter().messages.empty());
}

// One message per refused count, with the field and its one range, and the
// field back at the count in force; the lists stay as they are.
TEST_F(ConfigurateTest, RefusedCountNamesItsFieldAndRangeAndIsPutBack) {
  struct Case {
    ChannelAxis axis;
    std::size_t edit;
    const char* typed;
    const char* message;
    const char* shownAgain;
  } cases[] = {
      {ChannelAxis::X, kXCountEdit, "", "X有效通道数量：请输入一个 0 至 32 之间的整数。", "32"},
      {ChannelAxis::X, kXCountEdit, "a", "X有效通道数量：请输入一个 0 至 32 之间的整数。", "32"},
      {ChannelAxis::X, kXCountEdit, "100", "X有效通道数量：请输入一个 0 至 32 之间的整数。", "32"},
      {ChannelAxis::Y, kYCountEdit, "60", "Y有效通道数量：请输入一个 0 至 52 之间的整数。", "52"},
  };
  logic->Initialise();
  const auto checks = view.shownChecks;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    presenter().messages.clear();
    view.edits[c.edit] = c.typed;
    logic->ChannelCountEdited(c.axis);
    ASSERT_EQ(presenter().messages.size(), 1u);
    EXPECT_EQ(presenter().messages[0].text, c.message);
    EXPECT_EQ(view.edits[c.edit], c.shownAgain);
    EXPECT_EQ(view.shownChecks, checks) << "the lists stay as they are";
  }
}

TEST_F(ConfigurateTest, KeyListChangesDecideTheMultiKeyButton) {
  logic->Initialise();
  const auto key = [&](ChannelAxis axis, std::size_t item, bool on) {
    logic->ListCheckChanged(axis, ChannelList::KeyArea, item, on);
    return view.multiKeyEnabled;
  };
  EXPECT_FALSE(key(ChannelAxis::X, 0, true));
  EXPECT_FALSE(key(ChannelAxis::X, 1, true));
  EXPECT_FALSE(key(ChannelAxis::Y, 0, true));
  EXPECT_TRUE(key(ChannelAxis::Y, 1, true));
  EXPECT_FALSE(key(ChannelAxis::X, 1, false));
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::Display, 1, true);
  EXPECT_EQ(logic->state().keyX.count, 1) << "other lists do not touch the key channels";
}

TEST_F(ConfigurateTest, MoreThanEightKeyChannelsCannotBeDefined) {
  logic->Initialise();
  for (std::size_t i = 0; i < 9; ++i) logic->ListCheckChanged(ChannelAxis::Y, ChannelList::KeyArea, i, true);
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 0, true);
  logic->ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 1, true);
  EXPECT_FALSE(logic->MultiKeyDefinitionAvailable());
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, "按键通道超过8个，无法定义多行按键");
  EXPECT_EQ(presenter().messages[0].caption, "按键错误");
  logic->ListCheckChanged(ChannelAxis::Y, ChannelList::KeyArea, 8, false);
  EXPECT_TRUE(logic->MultiKeyDefinitionAvailable());
}

struct ChangeCase {
  const char* name;
  void (*change)(test::RecordingConfigurateView&, ConfigurateLogic&);
  bool changed;
};

TEST_F(ConfigurateTest, ChangedTestComparesCountsLimitsListsAndTheMatrix) {
  const ChangeCase cases[] = {
      {"nothing", [](auto&, auto&) {}, false},
      {"criterion only", [](auto&, auto& l) { l.ChooseCriterion(1); }, false},
      {"X count", [](auto& v, auto&) { v.edits[kXCountEdit] = "31"; }, true},
      {"key upper limit", [](auto& v, auto&) { v.edits[kKeyUpperEdit] = "30000"; }, true},
      {"Y display item unchecked",
       [](auto&, auto& l) { l.ListCheckChanged(ChannelAxis::Y, ChannelList::Display, 51, false); }, true},
      {"X key item checked",
       [](auto&, auto& l) { l.ListCheckChanged(ChannelAxis::X, ChannelList::KeyArea, 0, true); }, true},
      {"checked and unchecked again",
       [](auto&, auto& l) {
         l.ListCheckChanged(ChannelAxis::X, ChannelList::VisibleArea, 5, false);
         l.ListCheckChanged(ChannelAxis::X, ChannelList::VisibleArea, 5, true);
       },
       false},
      {"matrix edited", [](auto&, auto& l) { l.state().matrixEdited = true; }, true},
  };
  for (const ChangeCase& c : cases) {
    ConfigurateLogic fresh(rig->tester, view, files);
    fresh.Initialise();
    c.change(view, fresh);
    presenter().messages.clear();
    presenter().answers = {MessageResult::Cancel};
    fresh.Close();
    const bool asked = !presenter().messages.empty() && presenter().messages[0].caption == "保存当前配置";
    EXPECT_EQ(asked, c.changed) << c.name;
  }
}

}  // namespace
}  // namespace vn
