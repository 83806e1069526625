#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "samples/sample_capture.h"
#include "samples/sample_header_reader.h"
#include "samples/sample_paths.h"
#include "samples/sample_use.h"
#include "support/sim_fixture.h"
#include "support/tester_rig.h"

namespace vn {
namespace {

using test::TesterRig;

constexpr SampleTime kWritten{2024, 7, 1, 10, 20, 30};

class SampleCaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::TestFolderPath("capture");
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }

  std::filesystem::path dir;
};

TEST_F(SampleCaptureTest, NothingHappensWithoutARequest) {
  TesterRig rig({}, dir.string());
  ASSERT_TRUE(rig.Connect());
  const auto transactions = rig.board.transactions();
  const CaptureStepResult step = RunCaptureStep(rig.tester, [] { return kWritten; });
  EXPECT_FALSE(step.ran);
  EXPECT_EQ(rig.board.transactions(), transactions) << "no test was run";
  EXPECT_TRUE(std::filesystem::is_empty(dir / "samples"));
}

TEST_F(SampleCaptureTest, RequestedCaptureRunsOneTestAndWritesItsValues) {
  TesterRig rig({}, dir.string());
  ASSERT_TRUE(rig.Connect());
  RequestCapture(rig.tester.state());
  EXPECT_TRUE(CapturePending(rig.tester.state()));
  const CaptureStepResult step = RunCaptureStep(rig.tester, [] { return kWritten; });
  ASSERT_TRUE(step.ran && step.outcome.judged);
  ASSERT_TRUE(step.sample && step.sample->ok()) << step.sample->message.text;
  EXPECT_FALSE(CapturePending(rig.tester.state()));
  const SampleRecord& record = step.sample->record;
  EXPECT_EQ(record.path, (dir / "samples" / "20240701102030.ini").string());
  EXPECT_EQ(record.source, kSampleSourceCaptured);

  // The file holds the run's values: its statistics match the measured matrix.
  const auto& measured = rig.tester.state().run.measuredValues.values;
  const auto [lowest, highest] = std::minmax_element(measured.begin(), measured.end());
  const SampleHeaderResult header = ReadSampleHeader(record.path);
  ASSERT_TRUE(header.ok());
  EXPECT_EQ(header.record.VAmin, *lowest);
  EXPECT_EQ(header.record.VAmax, *highest);
  EXPECT_EQ(header.record.time, "0701102030");
}

TEST_F(SampleCaptureTest, AbortedRunWritesNoSampleButEndsTheRequest) {
  TesterRig rig({}, dir.string());
  ASSERT_TRUE(rig.Connect());
  FaultPlan plan;
  plan.at[rig.board.transactions() + 40] = SimFault::Remove;
  rig.board.SetFaultPlan(plan);
  RequestCapture(rig.tester.state());
  const CaptureStepResult step = RunCaptureStep(rig.tester, [] { return kWritten; });
  EXPECT_TRUE(step.ran);
  EXPECT_FALSE(step.outcome.judged);
  EXPECT_FALSE(step.sample.has_value());
  EXPECT_FALSE(CapturePending(rig.tester.state())) << "the dialog must not wait forever";
  EXPECT_TRUE(std::filesystem::is_empty(dir / "samples"));
}

TEST_F(SampleCaptureTest, UseSelectedSampleRefusesWrongTicksAndUnreadableFiles) {
  TesterRig rig({}, dir.string());
  ASSERT_TRUE(rig.Connect());
  RequestCapture(rig.tester.state());
  const CaptureStepResult step = RunCaptureStep(rig.tester, [] { return kWritten; });
  ASSERT_TRUE(step.sample && step.sample->ok());
  const std::string sample = step.sample->record.path;

  SampleLimits before;
  before.lower[7] = 1;
  rig.tester.state().sampleLimits = before;
  SampleRecord record;
  record.path = "previous.ini";
  struct Case {
    const char* name;
    std::vector<std::string> ticked;
    std::string message;
  };
  const Case cases[] = {
      {"none ticked", {}, "请先在“□”打钩选中1个样本，再点击“使用选中样本”"},
      {"two ticked", {sample, sample}, "最多只能选择1个样本用于测试"},
      {"vanished file", {(dir / "gone.ini").string()}, "打开文件 \"" + (dir / "gone.ini").string() + " \"失败！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const SampleUseResult result = UseSelectedSample(rig.tester, record, c.ticked, DeviationSettings{});
    EXPECT_FALSE(result.inUse);
    EXPECT_EQ(result.message.text, c.message);
    EXPECT_EQ(rig.tester.state().sampleLimits.lower, before.lower);
    EXPECT_EQ(record.path, "previous.ini");
    EXPECT_EQ(rig.tester.state().criterionReady, 0);
    EXPECT_FALSE(std::filesystem::exists(SampleLowLimitFilePath(dir.string())));
  }
}

TEST_F(SampleCaptureTest, SampleInUseJudgesLaterFilms) {
  TesterRig rig({}, dir.string());
  ASSERT_TRUE(rig.Connect());
  RequestCapture(rig.tester.state());
  const CaptureStepResult step = RunCaptureStep(rig.tester, [] { return kWritten; });
  ASSERT_TRUE(step.sample && step.sample->ok());

  SampleRecord record;
  DeviationSettings settings;
  settings.DeviationMethod = kAbsoluteDeviation;
  settings.AbsoluteDeviationNegative = 500;
  settings.AbsoluteDeviationPositive = 800;
  const SampleUseResult used = UseSelectedSample(rig.tester, record, {step.sample->record.path}, settings);
  ASSERT_TRUE(used.inUse) << used.message.text;
  EXPECT_TRUE(used.message.text.empty());
  EXPECT_EQ(record.path, step.sample->record.path);
  const MainWindowState& state = rig.tester.state();
  EXPECT_EQ(state.criterion, 1);
  EXPECT_EQ(state.criterionReady, 1);
  EXPECT_TRUE(rig.presenter.Enabled(Control::StartButton));
  const auto log = rig.LogLines();
  EXPECT_NE(std::find(log.begin(), log.end(), "配置文件正确"), log.end());
  const std::uint16_t node = state.run.measuredValues.At(5, 7);
  EXPECT_EQ(state.sampleLimits.lower[NodeIndex(5, 7)], node - 500);
  EXPECT_EQ(state.sampleLimits.upper[NodeIndex(5, 7)], node + 800);
  EXPECT_TRUE(std::filesystem::exists(SampleLowLimitFilePath(dir.string())));
  EXPECT_TRUE(std::filesystem::exists(SampleHighLimitFilePath(dir.string())));

  EXPECT_TRUE(rig.tester.RunTest().passed) << "the same film lies within its own limits";
  rig.sim().profile().overrides.push_back({5, 7, 1200});
  EXPECT_FALSE(rig.tester.RunTest().passed) << "an open node lies far below them";
}

}  // namespace
}  // namespace vn
