#include <fstream>

#include "arrange_sample_fixture.h"
#include "platform/profile_document.h"
#include "samples/sample_header_reader.h"

namespace vn {
namespace {

using test::ArrangeSampleTest;

TEST_F(ArrangeSampleTest, UnreadableSettingsGiveTheirMessageAndCapacityZero) {
  std::filesystem::remove(SampleSettingsPath(root.string()));
  std::filesystem::create_directory(SampleSettingsPath(root.string()));  // there, but no file to read
  logic->Create();
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, "打开文件 \"" + SampleSettingsPath(root.string()) + " \"失败！");
  EXPECT_EQ(presenter().messages[0].caption, "");
  EXPECT_EQ(logic->settings().deviation.DeviationMethod, kPercentageDeviation);
  EXPECT_EQ(logic->list().CaptureCapacity(), 0u);
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::AbsoluteControls));
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::PercentageControls));
  EXPECT_EQ(view.method, kPercentageDeviation);
}

TEST_F(ArrangeSampleTest, CreationReadsTheSettingsAndEnablesTheButtons) {
  WriteSettings("NumberOfSamplesListMAX=10\r\nNumberOfSamplesListed=4\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  EXPECT_TRUE(presenter().messages.empty());
  EXPECT_EQ(logic->settings().deviation.DeviationMethod, kAbsoluteDeviation);
  EXPECT_EQ(view.edits, (DeviationEditTexts{"500", "800", "0", "0"}));
  EXPECT_EQ(logic->list().CaptureCapacity(), 10u);
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::AbsoluteControls));
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::PercentageControls));
  for (const auto c : {ArrangeSampleControl::AverageButton, ArrangeSampleControl::ClearButton,
                       ArrangeSampleControl::ImportButton, ArrangeSampleControl::ExportButton,
                       ArrangeSampleControl::CaptureButton})
    EXPECT_TRUE(view.Enabled(c));
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::SelectAllBox));
}

TEST_F(ArrangeSampleTest, CaptureButtonFollowsTheLink) {
  logic->Create();
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::CaptureButton));
  ASSERT_TRUE(rig->Connect());
  logic->LinkTick();
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::CaptureButton));
}

// An existing file without the key keeps its meaning (capacity 0), but the
// refusal says what to set instead of calling an empty list full.
TEST_F(ArrangeSampleTest, MissingCapacityRefusesEveryCaptureSayingWhatToSet) {
  WriteSettings("");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  EXPECT_EQ(logic->Capture(), CaptureStart::Refused);
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_NE(presenter().messages[0].text.find("NumberOfSamplesListMAX=32"), std::string::npos);
  EXPECT_NE(presenter().messages[0].text.find(SampleSettingsPath(root.string())), std::string::npos);
  EXPECT_EQ(presenter().messages[0].text.find("列表已满"), std::string::npos);
  EXPECT_EQ(presenter().messages[0].caption, "提示");
  EXPECT_EQ(rig->tester.state().captureRequested, 0);
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::CaptureButton)) << "the board is ready and nothing is pending";
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::AverageButton));
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::SelectAllBox));
}

TEST_F(ArrangeSampleTest, CaptureListsTheSampleOnceTheRequestIsDown) {
  WriteSettings("NumberOfSamplesListMAX=5\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].texts[0], " 0");
  EXPECT_EQ(view.rows[0].texts[2], "当前数据");
  EXPECT_EQ(logic->list().entryCount(), 1u);
  EXPECT_TRUE(std::filesystem::exists(logic->list().Path(0)));
  EXPECT_EQ(std::filesystem::path(logic->list().Path(0)).parent_path(), root / "samples");
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::CaptureButton));
}

TEST_F(ArrangeSampleTest, AbortedCaptureListsNothing) {
  WriteSettings("NumberOfSamplesListMAX=5\r\n");
  logic->Create();  // no board: the run is aborted
  EXPECT_TRUE(CaptureOne()) << "the request ends";
  EXPECT_TRUE(view.rows.empty());
  EXPECT_EQ(logic->list().entryCount(), 0u);
}

TEST_F(ArrangeSampleTest, CaptureAtCapacityRestartsAtTheTopKeepingTheRows) {
  WriteSettings("NumberOfSamplesListMAX=2\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  ASSERT_TRUE(CaptureOne());
  EXPECT_EQ(logic->Capture(), CaptureStart::Refused);
  EXPECT_EQ(presenter().messages.back().text, "列表已满，请清空！");
  EXPECT_EQ(view.rows.size(), 2u) << "the rows stay";
  EXPECT_EQ(logic->list().entryCount(), 0u);
  ASSERT_TRUE(CaptureOne());
  EXPECT_EQ(view.rows.size(), 3u);
  EXPECT_EQ(view.rows[0].texts[0], " 0") << "inserted at the top";
}

TEST_F(ArrangeSampleTest, OperationsOnAnEmptyListSaySo) {
  logic->Create();
  presenter().messages.clear();
  logic->Average();
  logic->Export();
  logic->UseSelected();
  ASSERT_EQ(presenter().messages.size(), 3u);
  for (const auto& m : presenter().messages) EXPECT_EQ(m.text, "列表为空，请先获取样本或者导入样本文件");
  EXPECT_TRUE(files.requests.empty());
}

TEST_F(ArrangeSampleTest, CaptureThreeAverageUseAndJudgeBySample) {
  WriteSettings("NumberOfSamplesListMAX=10\r\n");
  ASSERT_TRUE(rig->ConnectAndConfirm());
  logic->Create();
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(CaptureOne()) << i;
  view.Tick({0, 1});
  logic->Average();
  EXPECT_EQ(presenter().messages.back().text, "请先在“□”打钩选中至少3个样本，再点击“生成平均样本”");
  EXPECT_EQ(view.rows.size(), 3u);
  view.Tick({2});
  logic->Average();
  ASSERT_EQ(view.rows.size(), 4u);
  EXPECT_EQ(view.rows[3].texts[2], "平均样本");
  EXPECT_EQ(view.rows[3].texts[0], " 3");

  for (auto& row : view.rows) row.ticked = false;
  view.Tick({3});
  view.edits = {"1000", "1000", "0", "0"};
  view.method = kAbsoluteDeviation;
  logic->UseSelected();
  const MainWindowState& s = rig->tester.state();
  EXPECT_EQ(s.criterion, 1);
  EXPECT_EQ(s.criterionReady, 1);
  EXPECT_TRUE(rig->tester.log().Contains("配置文件正确"));
  EXPECT_EQ(logic->record().path, logic->list().Path(3));
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::UseButton));
  const std::size_t node = NodeIndex(4, 4);
  EXPECT_EQ(s.sampleLimits.upper[node] - s.sampleLimits.lower[node], 2000);

  const RunOutcome run = rig->tester.RunTest();
  EXPECT_TRUE(run.judged && run.passed) << "a film like the sample passes against its limits";
  // Inside the value range 19000..28000, but 1500 above the sample.
  const auto value = static_cast<std::uint16_t>(s.sampleLimits.lower[node] + 1000 + 1500);
  ASSERT_LE(value, 28000);
  rig->board.WithController([value](SimController& c) {
    static_cast<SimTouchController&>(c).profile().overrides.push_back({4, 4, value});
  });
  EXPECT_FALSE(rig->tester.RunTest().passed) << "judged by the sample, not by the value range";
}

TEST_F(ArrangeSampleTest, UseSelectedNeedsExactlyOneTick) {
  WriteSettings("NumberOfSamplesListMAX=10\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  ASSERT_TRUE(CaptureOne());
  logic->UseSelected();
  EXPECT_EQ(presenter().messages.back().text, "请先在“□”打钩选中1个样本，再点击“使用选中样本”");
  view.Tick({0, 1});
  logic->UseSelected();
  EXPECT_EQ(presenter().messages.back().text, "最多只能选择1个样本用于测试");
  EXPECT_EQ(rig->tester.state().criterionReady, 0);
}

TEST_F(ArrangeSampleTest, SettingsAreTakenUpToTheFailingEditAndShownAgain) {
  WriteSettings("NumberOfSamplesListMAX=10\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  view.Tick({0});
  view.edits = {"100", "oops", "0", "0"};
  logic->UseSelected();
  EXPECT_EQ(presenter().messages.front().text, "请输入一个整数。");
  EXPECT_EQ(view.focused, kAbsolutePositiveEdit);
  EXPECT_EQ(logic->settings().deviation.AbsoluteDeviationNegative, 100);
  EXPECT_EQ(logic->settings().deviation.AbsoluteDeviationPositive, 800);
  EXPECT_EQ(view.edits[kAbsolutePositiveEdit], "800") << "the controls show the settings again";
  EXPECT_EQ(rig->tester.state().criterionReady, 1) << "the operation went on";
}

TEST_F(ArrangeSampleTest, ImportListsTheFileWhereItIs) {
  WriteSettings("NumberOfSamplesListMAX=0\r\n");
  logic->Create();
  std::ofstream(Path("golden.ini"), std::ios::binary)
      << "[Sample_Configuration]\r\nSource=1\r\nTime=0102030405\r\nVAmax=26000\r\n";
  files.answers = {Path("golden.ini"), std::nullopt, Path("missing.ini")};
  logic->Import();
  logic->Import();
  logic->Import();
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].texts[1], "0102030405");
  EXPECT_EQ(view.rows[0].texts[2], "样本文件");
  EXPECT_EQ(view.rows[0].texts[3], "26000");
  EXPECT_EQ(logic->list().Path(0), Path("golden.ini"));
  EXPECT_EQ(files.requests[0].dialog.filter, "文本文件(*.ini)|*.ini||");
  EXPECT_EQ(files.requests[0].dialog.initialPath, (root / "Sample" / ".ini").string());
  logic->Clear();
  EXPECT_TRUE(std::filesystem::exists(Path("golden.ini"))) << "clearing leaves imported files alone";
  EXPECT_TRUE(view.rows.empty());
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::AverageButton));
}

TEST_F(ArrangeSampleTest, ListIsFullAtThirtyTwoEntries) {
  WriteSettings("NumberOfSamplesListMAX=100\r\n");
  logic->Create();
  std::ofstream(Path("golden.ini"), std::ios::binary) << "[Sample_Configuration]\r\nSource=2\r\n";
  for (int i = 0; i < 33; ++i) files.answers.push_back(Path("golden.ini"));
  for (int i = 0; i < 32; ++i) logic->Import();
  EXPECT_EQ(view.rows.size(), 32u);
  EXPECT_TRUE(presenter().messages.empty());
  logic->Import();
  EXPECT_EQ(view.rows.size(), 32u);
  ASSERT_EQ(presenter().messages.size(), 1u);
  EXPECT_EQ(presenter().messages[0].text, "列表已满，请清空！");
  EXPECT_EQ(logic->Capture(), CaptureStart::Refused) << "a capacity above 32 counts as 32";
}

TEST_F(ArrangeSampleTest, ExportCopiesEachTickedRowAndUnticksIt) {
  WriteSettings("NumberOfSamplesListMAX=10\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  ASSERT_TRUE(CaptureOne());
  ASSERT_TRUE(CaptureOne());
  logic->Export();
  EXPECT_EQ(presenter().messages.back().text, "请先在“□”打钩选中至少1个样本，再点击“导出样本文件”");
  view.Tick({0, 1, 2});
  files.answers = {Path("first"), std::nullopt, Path("third.ini")};
  logic->Export();
  EXPECT_EQ(files.requests.size(), 3u);
  EXPECT_TRUE(std::filesystem::exists(Path("first.ini")));
  EXPECT_TRUE(std::filesystem::exists(Path("third.ini")));
  EXPECT_FALSE(std::filesystem::exists(Path("third.ini.ini")));
  for (const auto& row : view.rows) EXPECT_FALSE(row.ticked) << "unticked after OK and after Cancel";
  EXPECT_TRUE(files.requests[0].save);
  EXPECT_TRUE(files.requests[0].dialog.confirmOverwrite);
}

TEST_F(ArrangeSampleTest, SelectAllTicksOnlyTheCountedRows) {
  WriteSettings("NumberOfSamplesListMAX=1\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  logic->Capture();  // refused: the entries restart at the top
  ASSERT_TRUE(CaptureOne());
  ASSERT_EQ(view.rows.size(), 2u);
  logic->SelectAll(true);
  EXPECT_TRUE(view.rows[0].ticked);
  EXPECT_FALSE(view.rows[1].ticked);
  EXPECT_EQ(view.selectAllCaption, "全部取消");
  logic->SelectAll(false);
  EXPECT_FALSE(view.rows[0].ticked);
  EXPECT_EQ(view.selectAllCaption, "全选");
}

TEST_F(ArrangeSampleTest, ClearingEmptiesTheWorkDirectory) {
  WriteSettings("NumberOfSamplesListMAX=10\r\n");
  ASSERT_TRUE(rig->Connect());
  logic->Create();
  ASSERT_TRUE(CaptureOne());
  std::ofstream(root / "samples" / "stray.ini") << "x";
  logic->Clear();
  EXPECT_TRUE(std::filesystem::is_empty(root / "samples"));
  EXPECT_EQ(logic->list().entryCount(), 0u);
}

TEST_F(ArrangeSampleTest, DeviationRadiosSwitchTheControls) {
  logic->Create();
  logic->ChooseDeviationMethod(kAbsoluteDeviation);
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::AbsoluteControls));
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::PercentageControls));
  logic->ChooseDeviationMethod(kPercentageDeviation);
  EXPECT_FALSE(view.Enabled(ArrangeSampleControl::AbsoluteControls));
  EXPECT_TRUE(view.Enabled(ArrangeSampleControl::PercentageControls));
}

TEST_F(ArrangeSampleTest, ClosingWritesTheSettings) {
  WriteSettings("NumberOfSamplesListMAX=7\r\nNumberOfSamplesListed=4\r\n");
  logic->Create();
  rig->tester.state().configFilePath = "/cfg/film.txt";
  view.edits = {"10", "20", "30", "40"};
  view.method = kPercentageDeviation;
  logic->Close();
  const ProfileLoadResult file = ProfileDocument::Load(SampleSettingsPath(root.string()));
  ASSERT_EQ(file.status, ProfileLoadStatus::Loaded);
  const ProfileDocument& d = file.document;
  EXPECT_EQ(d.ReadString("BasicParameters", "BasicParametersFullDirectory"), "/cfg/film.txt");
  EXPECT_EQ(d.ReadInt("TestStandards", "DeviationMethod"), 1);
  EXPECT_EQ(d.ReadInt("TestStandards", "AbsoluteDeviationNegative"), 10);
  EXPECT_EQ(d.ReadInt("TestStandards", "AbsoluteDeviationPositive"), 20);
  EXPECT_EQ(d.ReadInt("TestStandards", "RelativeDeviationNegative"), 30);
  EXPECT_EQ(d.ReadInt("TestStandards", "RelativeDeviationPositive"), 40);
  EXPECT_EQ(d.ReadInt("SampleInformation", "NumberOfSamplesListed"), 4);
  EXPECT_EQ(d.ReadInt("SampleInformation", "NumberOfSamplesListMAX"), 7) << "never written, kept";
}

}  // namespace
}  // namespace vn
