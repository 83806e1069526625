#include <gtest/gtest.h>

#include <algorithm>

#include "engine/self_test.h"
#include "platform/format.h"
#include "support/sim_fixture.h"
#include "support/tester_rig.h"

namespace vn {
namespace {

using test::TesterRig;

std::vector<std::string> Expected(std::initializer_list<std::string> head, std::initializer_list<std::string> tail) {
  std::vector<std::string> lines(head);
  for (int page = 0; page < 26; ++page) lines.push_back("P" + P2(page) + "backup");
  lines.insert(lines.end(), tail);
  return lines;
}

int Count(const std::vector<std::string>& lines, const std::string& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// Writes of one byte at the type-46 byte 9, in order.
std::vector<int> AcquisitionSettingWrites(const TesterRig& rig) {
  const SimObject* acquisition = rig.simController->Find(46);
  std::vector<int> values;
  for (const RecordedReport& r : rig.board.Recorded())
    if (r.outgoing && r.bytes[2] == 3 && (r.bytes[4] | r.bytes[5] << 8) == acquisition->address + 9)
      values.push_back(r.bytes[6]);
  return values;
}

TEST(TestRunTest, GoodFilmPassesWithTheWholeLog) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  const RunOutcome outcome = rig.tester.RunTest();
  ASSERT_TRUE(outcome.judged);
  EXPECT_TRUE(outcome.passed);
  EXPECT_TRUE(outcome.startVerdictTimer);
  std::vector<std::string> lines = rig.LogLines();
  ASSERT_FALSE(lines.empty());
  const std::string elapsed = lines.back();
  lines.pop_back();
  EXPECT_EQ(lines, Expected({"calib & clear", "in refer mode1"},
                            {"self test", "引脚正常", "非按键区合格范围：19000~28000  ", "按键区合格范围  ：19000~28000  "}));
  EXPECT_EQ(elapsed.rfind("共花费时间：", 0), 0u);
  EXPECT_EQ(rig.tester.state().verdictText, "PASS");
  EXPECT_EQ(rig.tester.state().counters.okCount, 1);
  EXPECT_EQ(rig.tester.state().runMessage, elapsed);
  // Every value the controller acquired reached the matrix, in flat order 52 x + y.
  const auto& acquired = rig.sim().acquiredValues();
  EXPECT_TRUE(std::equal(acquired.begin(), acquired.end(), rig.tester.state().run.measuredValues.values.begin()));
  EXPECT_EQ(rig.sim().pageCommands(), 25) << "no next-page command after the last page";
  EXPECT_TRUE(AcquisitionSettingWrites(rig).empty()) << "without the difference criterion byte 9 is not written";
  EXPECT_TRUE(rig.presenter.Enabled(Control::StartButton));
}

TEST(TestRunTest, SeekCorrectsAWrongPage) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  rig.sim().LandPageCommandOn(3, 0);  // the command after page 2 lands on page 0
  const RunOutcome outcome = rig.tester.RunTest();
  ASSERT_TRUE(outcome.judged);
  EXPECT_TRUE(outcome.passed);
  const auto lines = rig.LogLines();
  const auto at = std::find(lines.begin(), lines.end(), "target P 3 more,actual P 0");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), "now++");
  EXPECT_EQ(*(at + 2), "target P 3 more,actual P 1");
  EXPECT_EQ(Count(lines, "now++"), 3);
  EXPECT_EQ(Count(lines, "P 3backup"), 1);
  const auto& acquired = rig.sim().acquiredValues();
  EXPECT_TRUE(std::equal(acquired.begin(), acquired.end(), rig.tester.state().run.measuredValues.values.begin()));
}

TEST(TestRunTest, SkewedControllerStillDeliversEveryPage) {
  TesterRig rig(*BuiltInProfile("page-skew"));
  ASSERT_TRUE(rig.ConnectAndConfirm());
  const RunOutcome outcome = rig.tester.RunTest();
  ASSERT_TRUE(outcome.judged);
  EXPECT_TRUE(outcome.passed);
  const auto lines = rig.LogLines();
  EXPECT_GT(Count(lines, "now++") + Count(lines, "now--"), 0);
  const auto& acquired = rig.sim().acquiredValues();
  EXPECT_TRUE(std::equal(acquired.begin(), acquired.end(), rig.tester.state().run.measuredValues.values.begin()));
}

TEST(TestRunTest, DifferenceCriterionAcquiresABaselineFirst) {
  struct Case {
    const char* profile;
    bool passed;
  } cases[] = {{"good", true}, {"diff-fail", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    TesterRig rig(*BuiltInProfile(c.profile));
    ASSERT_TRUE(rig.ConnectAndConfirm());
    rig.tester.state().diffCriterionEnabled = 1;
    const RunOutcome outcome = rig.tester.RunTest();
    ASSERT_TRUE(outcome.judged);
    EXPECT_EQ(outcome.passed, c.passed);
    EXPECT_EQ(rig.tester.state().run.differenceNg, c.passed ? 0 : 1);
    EXPECT_EQ(rig.tester.state().run.filmNg, 0) << "the values themselves are in range";
    EXPECT_EQ(AcquisitionSettingWrites(rig), (std::vector<int>{128, 60}));
    EXPECT_EQ(rig.sim().pageCommands(), 26 + 25) << "the baseline also moves past its last page";
    const int baselineDrop = rig.sim().profile().baselineDrop;
    const auto& run = rig.tester.state().run;
    EXPECT_NEAR(run.differenceValues.At(10, 10), baselineDrop, 200);
    EXPECT_EQ(Count(rig.LogLines(), "P 0backup"), 1) << "the baseline is silent";
  }
}

TEST(TestRunTest, SampleCriterionLogsNoRangeLines) {
  TesterRig rig;
  ASSERT_TRUE(rig.Connect());
  rig.tester.ConfirmCriterion(1);
  auto& limits = rig.tester.state().sampleLimits;
  limits.lower.fill(0);
  limits.upper.fill(65535);
  const RunOutcome outcome = rig.tester.RunTest();
  ASSERT_TRUE(outcome.judged);
  EXPECT_TRUE(outcome.passed);
  for (const std::string& line : rig.LogLines()) EXPECT_EQ(line.find("合格范围"), std::string::npos) << line;
}

TEST(TestRunTest, FilmFaultsGiveTheirTexts) {
  struct Case {
    const char* profile;
    std::vector<std::string> lines;
    std::uint8_t faultX, faultY;
  } cases[] = {
      {"open-node", {"引脚正常"}, 0, 0},
      {"short-gnd-x3", {"通道对GND短路，位置在X 3"}, 4, 0},
      {"short-between-y10", {"通道之间短路，位置在Y10"}, 0, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.profile);
    TesterRig rig(*BuiltInProfile(c.profile));
    ASSERT_TRUE(rig.ConnectAndConfirm());
    const RunOutcome outcome = rig.tester.RunTest();
    ASSERT_TRUE(outcome.judged);
    EXPECT_FALSE(outcome.passed);
    EXPECT_EQ(rig.tester.state().verdictText, "NG");
    EXPECT_EQ(rig.tester.state().counters.ngCount, 1);
    const auto lines = rig.LogLines();
    const auto selfTest = std::find(lines.begin(), lines.end(), "self test");
    ASSERT_NE(selfTest, lines.end());
    EXPECT_EQ(std::vector<std::string>(selfTest + 1, selfTest + 1 + c.lines.size()), c.lines);
    EXPECT_EQ(rig.tester.state().run.selfTestFaultX, c.faultX);
    EXPECT_EQ(rig.tester.state().run.selfTestFaultY, c.faultY);
  }
}

TEST(TestRunTest, BoardRemovedMidRunAbortsWithoutCountingThenRecovers) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ASSERT_TRUE(rig.tester.RunTest().passed);
  FaultPlan plan;
  plan.at[rig.board.transactions() + 40] = SimFault::Remove;
  rig.board.SetFaultPlan(plan);
  const RunOutcome aborted = rig.tester.RunTest();
  EXPECT_FALSE(aborted.judged);
  EXPECT_FALSE(aborted.passed);
  EXPECT_EQ(rig.tester.state().verdictText, "NG");
  EXPECT_EQ(rig.tester.state().counters.okCount, 1);
  EXPECT_EQ(rig.tester.state().counters.ngCount, 0) << "an aborted film is not counted";
  EXPECT_EQ(rig.LogLines().back(), "测试板无应答，测试中止");
  rig.tester.ResetVerdictAfterRun();
  EXPECT_EQ(rig.tester.state().verdictText, "NG") << "an aborted film never returns to WAIT as if it had passed";

  rig.tester.HandleDeviceChange({DeviceChange::Kind::Removal, rig.tester.link().devicePath()});
  EXPECT_FALSE(rig.presenter.Enabled(Control::StartButton));
  rig.board.SetFaultPlan({});
  rig.board.Plug();
  EXPECT_EQ(rig.tester.HandleDeviceChange({DeviceChange::Kind::Arrival, rig.board.bridgePath()}),
            TimerRequest::StartDiscovery);
  ASSERT_TRUE(rig.Connect());
  EXPECT_TRUE(rig.presenter.Enabled(Control::StartButton));
  const RunOutcome again = rig.tester.RunTest();
  EXPECT_TRUE(again.judged);
  EXPECT_TRUE(again.passed);
  EXPECT_EQ(rig.tester.state().counters.okCount, 2);
}

TEST(TestRunTest, SelfTestThatNeverEndsAbortsTheRun) {
  FilmProfile profile;
  profile.selfTestNeverEnds = true;
  TesterRig rig(profile);
  ASSERT_TRUE(rig.ConnectAndConfirm());
  test::ShortDeadlines shortPolls(rig.tester.link(), rig.tester.controller(),
                                  {LinkTiming{}.answerTimeout, test::kShortPollBound});
  const RunOutcome outcome = rig.tester.RunTest();
  EXPECT_FALSE(outcome.judged);
  const auto lines = rig.LogLines();
  EXPECT_EQ(Count(lines, "控制器自检超时 ( 9: 5:30)"), 1);
  EXPECT_EQ(lines.back(), "控制器无响应，测试中止");
  EXPECT_EQ(rig.tester.state().counters.ngCount, 0);
}

TEST(TestRunTest, AutomaticRepetitionKeepsStartDisabled) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  rig.tester.state().autoRefreshEnabled = 1;
  rig.tester.state().verdictText = "PASS";
  const RunOutcome outcome = rig.tester.RunTest();
  EXPECT_TRUE(outcome.judged);
  EXPECT_FALSE(outcome.startVerdictTimer);
  EXPECT_FALSE(rig.presenter.Enabled(Control::StartButton));
  EXPECT_EQ(std::count(rig.presenter.changes.begin(), rig.presenter.changes.end(), DisplayChange::Verdict), 1)
      << "the verdict box is not reset to WAIT at the start of a repeated run";
}

TEST(TestRunTest, CountersAndYield) {
  TesterRig rig(*BuiltInProfile("short-gnd-x3"));
  ASSERT_TRUE(rig.ConnectAndConfirm());
  rig.tester.RunTest();
  rig.sim().profile().selfTestCode = 0xFE;
  rig.tester.RunTest();
  const CounterTexts texts = FormatCounters(rig.tester.state().counters);
  EXPECT_EQ(texts.ok, "    1");
  EXPECT_EQ(texts.ng, "    1");
  EXPECT_EQ(texts.yield, " 50.00");
  rig.tester.ClearStatistics();
  EXPECT_EQ(FormatCounters(rig.tester.state().counters).yield, "  0.00");
}

TEST(TestRunTest, PushedSelfTestMessageIsDecodedOnTheCallingThread) {
  TesterRig rig;
  ASSERT_TRUE(rig.Connect());
  const std::uint8_t selfTestId = rig.sim().ReportIdOf(25);
  rig.board.PushControllerMessage({selfTestId, 0x11, 2, 4, 0});
  rig.board.PushControllerMessage({rig.sim().ReportIdOf(6), 0x11, 2, 4, 0});  // another object: dropped
  ASSERT_TRUE(rig.board.WaitUntilQuiet(std::chrono::milliseconds(5000))) << "the reader took both messages";
  rig.tester.ProcessForwardedMessages();
  EXPECT_EQ(rig.tester.state().run.filmNg, 1);
  EXPECT_EQ(rig.tester.state().run.selfTestText, "通道对GND短路，位置在X 3");
}

TEST(DecodeSelfTestMessageTest, ResultCodes) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> message;  // report id, code, kind, X + 1, Y + 1
    std::vector<std::string> lines;
    int passed, filmNg;
  } cases[] = {
      {"all pins normal", {13, 0xFE}, {"引脚正常"}, 1, 0},
      {"GND short at X 3", {13, 0x11, 2, 4, 0}, {"通道对GND短路，位置在X 3"}, 0, 1},
      {"short between at Y 10", {13, 0x12, 3, 0, 11}, {"通道之间短路，位置在Y10"}, 0, 1},
      {"VDD short at both", {13, 0x12, 1, 2, 5}, {"通道对VDD短路，位置在X 1", "通道对VDD短路，位置在X 1位置在Y 4"}, 0, 1},
      {"kind 4 and 5 are shorts between", {13, 0x11, 5, 1, 0}, {"通道之间短路，位置在X 0"}, 0, 1},
      {"low impedance", {13, 0x11, 6, 32, 0}, {"相邻通道阻抗过低，位置在X31"}, 0, 1},
      {"unknown kind", {13, 0x11, 9, 1, 0}, {"通道异常，位置在X 0"}, 0, 1},
      {"fault naming no channel", {13, 0x11, 2, 0, 0}, {}, 0, 1},
      {"uninterpreted result", {13, 0x00}, {"通道测试出错", "SelfTest=", "01 00 00 0D 00 00 00 00 00 00 00 00 00 00 00 00 "}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BridgeReport report{};
    report[0] = 1;
    std::copy(c.message.begin(), c.message.end(), report.begin() + 3);
    RunState run;
    OperatorLog log;
    DecodeSelfTestMessage(report, run, log);
    EXPECT_EQ(log.Lines(), c.lines);
    EXPECT_EQ(run.selfTestPassed, c.passed);
    EXPECT_EQ(run.filmNg, c.filmNg);
  }
}

// Each NG names its reason; the log names the failing node against the
// limits it was judged by, under either criterion.
TEST(TestRunTest, NgNamesItsReason) {
  struct Case {
    const char* name;
    const char* profile;
    int criterion;  // 1: sample limits 1000..2000 at X31 Y51, the rest wide open
    std::string reason;
  } cases[] = {
      {"value range", "open-node", 0, "NG：X5 Y7 = 1200（范围 19000~28000）"},
      {"sample limits", "good", 1, "NG：X31 Y51 = "},
      {"self test", "short-gnd-x3", 0, "通道对GND短路，位置在X 3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TesterRig rig(*BuiltInProfile(c.profile));
    ASSERT_TRUE(rig.Connect());
    rig.tester.ConfirmCriterion(c.criterion);
    auto& limits = rig.tester.state().sampleLimits;
    limits.lower.fill(0);
    limits.upper.fill(65535);
    limits.lower[NodeIndex(31, 51)] = 1000;
    limits.upper[NodeIndex(31, 51)] = 2000;
    const RunOutcome outcome = rig.tester.RunTest();
    ASSERT_TRUE(outcome.judged);
    EXPECT_FALSE(outcome.passed);
    const RunReason& reason = rig.tester.state().run.reason;
    EXPECT_EQ(reason.text.rfind(c.reason, 0), 0u) << reason.text;
    const auto lines = rig.LogLines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(c.reason, 0) == 0; }));
    if (c.criterion == 1) EXPECT_NE(reason.text.find("（范围 1000~2000）"), std::string::npos) << reason.text;
  }
}

TEST(TestRunTest, PassedFilmHasNoReason) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ASSERT_TRUE(rig.tester.RunTest().passed);
  EXPECT_TRUE(rig.tester.state().run.reason.text.empty());
}

// A golden-sample capture is not a production film: with no sample in use
// (every limit 0) it is neither NG nor counted.
TEST(TestRunTest, SampleCaptureIsNeitherJudgedNorCounted) {
  TesterRig rig;
  ASSERT_TRUE(rig.Connect());
  rig.tester.state().criterion = 1;
  ASSERT_TRUE(rig.tester.RunTest().judged);
  const Counters before = rig.tester.state().counters;
  const RunOutcome capture = rig.tester.RunTest(RunPurpose::SampleCapture);
  EXPECT_TRUE(capture.judged);
  EXPECT_TRUE(capture.sampleCapture);
  EXPECT_EQ(rig.tester.state().counters, before);
  EXPECT_EQ(rig.tester.state().verdictText, "样本");
  EXPECT_EQ(rig.tester.state().run.filmNg, 0);
  EXPECT_EQ(rig.tester.state().run.reason.text, "已获取样本（不计入统计）");
  const RunOutcome film = rig.tester.RunTest();
  EXPECT_FALSE(film.sampleCapture);
  EXPECT_EQ(rig.tester.state().run.purpose, RunPurpose::Film);
}

}  // namespace
}  // namespace vn
