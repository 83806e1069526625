#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "results/results_recorder.h"
#include "results/sha256.h"
#include "results_folder.h"
#include "support/sim_fixture.h"
#include "support/tester_rig.h"

namespace vn {
namespace {

using nlohmann::json;
using test::TesterRig;

class RecorderTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = test::FreshFolder("recorder"); }
  void TearDown() override { std::filesystem::remove_all(dir); }

  RecorderEnvironment Environment() {
    return {[this] { return now; }, [] { return std::string("host-7"); }, {}};
  }
  ResultsRecorder Recorder(TesterRig& rig, std::string station = "line-2") {
    return ResultsRecorder(dir.string(), std::move(station), rig.tester.log(), Environment());
  }
  std::string Csv(const char* day = "20240501") const { return test::FileText(dir / ("results-" + std::string(day) + ".csv")); }
  std::vector<json> Jsonl(const char* day = "20240501") const {
    std::vector<json> records;
    for (const std::string& line : test::TextLines(test::FileText(dir / ("results-" + std::string(day) + ".jsonl"))))
      records.push_back(json::parse(line));
    return records;
  }

  std::filesystem::path dir;
  LocalDateTime now{2024, 5, 1, 9, 5, 30};
};

TEST_F(RecorderTest, JudgedFilmsHoldTheirVerdictAndTheirFaults) {
  const struct {
    const char* profile;
    const char* verdict;
    int filmNg;
    int selfTestPassed;
    std::string selfTestText;
    std::string faultX;
    std::string faultY;
    std::size_t failingNodes;
    std::string firstFailing;
    int ok;
    int ng;
  } cases[] = {
      {"good", "PASS", 0, 1, "", "", "", 0, "", 1, 0},
      {"open-node", "NG", 1, 1, "", "", "", 1, "X 5 Y 7", 0, 1},
      {"short-gnd-x3", "NG", 1, 0, "通道对GND短路，位置在X 3", "3", "", 0, "", 0, 1},
      {"short-between-y10", "NG", 1, 0, "通道之间短路，位置在Y10", "", "10", 0, "", 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.profile);
    std::filesystem::remove_all(dir);
    TesterRig rig(*BuiltInProfile(c.profile));
    ASSERT_TRUE(rig.ConnectAndConfirm());
    ResultsRecorder recorder = Recorder(rig);
    const RunOutcome outcome = rig.tester.RunTest();
    ASSERT_TRUE(outcome.judged);
    const RecordResult result = recorder.Record(rig.tester, outcome, {"SN-0042", "", ""});
    ASSERT_TRUE(result.written);

    const auto rows = test::CsvRecords(Csv());
    ASSERT_EQ(rows.size(), 1u);
    const auto& row = rows[0];
    EXPECT_EQ(row.at("time"), "2024-05-01 09:05:30");
    EXPECT_EQ(row.at("station"), "line-2");
    EXPECT_EQ(row.at("criterion"), "range");
    EXPECT_EQ(row.at("verdict"), c.verdict);
    EXPECT_EQ(row.at("film_ng"), std::to_string(c.filmNg));
    EXPECT_EQ(row.at("difference_ng"), "0");
    EXPECT_EQ(row.at("self_test_passed"), std::to_string(c.selfTestPassed));
    EXPECT_EQ(row.at("self_test_text"), c.selfTestText);
    EXPECT_EQ(row.at("fault_x"), c.faultX);
    EXPECT_EQ(row.at("fault_y"), c.faultY);
    EXPECT_EQ(row.at("failing_nodes"), std::to_string(c.failingNodes));
    EXPECT_EQ(row.at("first_failing_node"), c.firstFailing);
    EXPECT_EQ(row.at("ok_count"), std::to_string(c.ok));
    EXPECT_EQ(row.at("ng_count"), std::to_string(c.ng));
    EXPECT_EQ(row.at("yield_percent"), c.ok == 1 ? "100.00" : "0.00");
    EXPECT_EQ(row.at("serial"), "SN-0042");
    EXPECT_EQ(row.at("abort_reason"), "");
    EXPECT_GT(std::stod(row.at("elapsed_seconds")), 0.0);

    const auto records = Jsonl();
    ASSERT_EQ(records.size(), 1u);
    const json& r = records[0];
    EXPECT_EQ(r["verdict"], c.verdict);
    EXPECT_EQ(r["judged"], true);
    EXPECT_EQ(r["selfTestText"], c.selfTestText);
    EXPECT_EQ(r["measured"].size(), kNodeCount);
    const auto& measured = rig.tester.state().run.measuredValues.values;
    EXPECT_TRUE(std::equal(measured.begin(), measured.end(), r["measured"].begin()));
    EXPECT_FALSE(r.contains("differences")) << "no differences without the difference criterion";
    EXPECT_EQ(r["failingNodes"].size(), c.failingNodes);
    EXPECT_EQ(r["serial"], "SN-0042");
  }
}

TEST_F(RecorderTest, FailingNodeCarriesItsValueAndLimits) {
  TesterRig rig(*BuiltInProfile("open-node"));
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig);
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  const json node = Jsonl().at(0)["failingNodes"].at(0);
  EXPECT_EQ(node, json::parse(R"({"x":5,"y":7,"kind":"value","area":"VA","value":1200,"lower":19000,"upper":28000})"));
}

TEST_F(RecorderTest, SampleCriterionRecordsTheSampleAndItsLimits) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  SampleLimits& limits = rig.tester.state().sampleLimits;
  limits.lower.fill(0);
  limits.upper.fill(65535);
  limits.lower[NodeIndex(2, 3)] = 30000;  // every value of the good film is below this
  limits.upper[NodeIndex(2, 3)] = 31000;
  rig.tester.ConfirmCriterion(1);
  ResultsRecorder recorder = Recorder(rig);
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest(), {"", "/samples/golden.ini", ""}).written);
  const json r = Jsonl().at(0);
  EXPECT_EQ(r["criterion"], "sample");
  EXPECT_EQ(r["sampleFile"], "/samples/golden.ini");
  ASSERT_EQ(r["failingNodes"].size(), 1u);
  EXPECT_EQ(r["failingNodes"][0]["lower"], 30000) << "the limits of the sample, not the value ranges";
  EXPECT_EQ(r["failingNodes"][0]["upper"], 31000);
  EXPECT_EQ(test::CsvRecords(Csv()).at(0).at("first_failing_node"), "X 2 Y 3");
}

TEST_F(RecorderTest, DifferenceCriterionRecordsTheDifferencesAndTheirFailures) {
  TesterRig rig(*BuiltInProfile("diff-fail"));
  ASSERT_TRUE(rig.ConnectAndConfirm());
  rig.tester.state().diffCriterionEnabled = 1;
  ResultsRecorder recorder = Recorder(rig);
  const RunOutcome outcome = rig.tester.RunTest();
  ASSERT_TRUE(outcome.judged);
  ASSERT_TRUE(recorder.Record(rig.tester, outcome).written);
  const json r = Jsonl().at(0);
  EXPECT_EQ(r["differenceNg"], 1);
  ASSERT_EQ(r["differences"].size(), kNodeCount);
  EXPECT_EQ(r["differences"][0], rig.tester.state().run.differenceValues.values[0]);
  ASSERT_FALSE(r["failingNodes"].empty());
  const json& first = r["failingNodes"][0];
  EXPECT_EQ(first["kind"], "difference");
  EXPECT_EQ(first["lower"], 3000);
  EXPECT_EQ(first["upper"], 10000);
  EXPECT_EQ(test::CsvRecords(Csv()).at(0).at("difference_ng"), "1");
}

TEST_F(RecorderTest, AbortedRunIsRecordedWithItsReason) {
  const struct {
    const char* name;
    bool removeBoard;
    const char* reason;
  } cases[] = {
      {"board removed", true, "测试板无应答，测试中止"},
      {"self test never ends", false, "控制器无响应，测试中止"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(dir);
    FilmProfile profile;
    profile.selfTestNeverEnds = !c.removeBoard;
    TesterRig rig(profile);
    ASSERT_TRUE(rig.ConnectAndConfirm());
    if (c.removeBoard) {
      FaultPlan plan;
      plan.at[rig.board.transactions() + 40] = SimFault::Remove;
      rig.board.SetFaultPlan(plan);
    }
    ResultsRecorder recorder = Recorder(rig);
    test::ShortDeadlines shortPolls(rig.tester.link(), rig.tester.controller(),
                                    {LinkTiming{}.answerTimeout, test::kShortPollBound});
    const RunOutcome outcome = rig.tester.RunTest();
    ASSERT_FALSE(outcome.judged);
    ASSERT_TRUE(recorder.Record(rig.tester, outcome, {"SN-1", "", ""}).written);
    const auto row = test::CsvRecords(Csv()).at(0);
    EXPECT_EQ(row.at("verdict"), "NG");
    EXPECT_EQ(row.at("abort_reason"), c.reason);
    EXPECT_EQ(row.at("ok_count"), "0");
    EXPECT_EQ(row.at("ng_count"), "0") << "an aborted film is not counted";
    EXPECT_EQ(row.at("failing_nodes"), "0");
    const json r = Jsonl().at(0);
    EXPECT_EQ(r["judged"], false);
    EXPECT_EQ(r["abortReason"], c.reason);
    EXPECT_TRUE(r["measured"].is_null()) << "values of an aborted run belong to no film";
  }
}

TEST_F(RecorderTest, GivenAbortReasonWinsOverTheLog) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig);
  ASSERT_TRUE(recorder.Record(rig.tester, RunOutcome{}, {"", "", "操作员中止"}).written);
  EXPECT_EQ(Jsonl().at(0)["abortReason"], "操作员中止");
}

TEST_F(RecorderTest, OneHeaderPerDayFileAndANewFileEachDay) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig);
  now = {2024, 5, 1, 23, 59, 58};
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  now = {2024, 5, 2, 0, 0, 1};
  const RecordResult next = recorder.Record(rig.tester, rig.tester.RunTest());
  ASSERT_TRUE(next.written);
  EXPECT_EQ(next.csvPath, (dir / "results-20240502.csv").string());
  const auto first = test::ParseCsv(Csv("20240501"));
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0][0], "time");
  EXPECT_EQ(first[2][0], "2024-05-01 23:59:58");
  EXPECT_EQ(test::CsvRecords(Csv("20240501")).at(1).at("ok_count"), "2");
  const auto second = test::ParseCsv(Csv("20240502"));
  ASSERT_EQ(second.size(), 2u);
  EXPECT_EQ(second[0][0], "time");
  EXPECT_EQ(second[1][0], "2024-05-02 00:00:01");
  EXPECT_EQ(Jsonl("20240501").size(), 2u);
  EXPECT_EQ(Jsonl("20240502").size(), 1u);
}

TEST_F(RecorderTest, ConfigurationFileAndItsDigest) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  const std::string config = (dir / "配置,1.txt").string();
  ASSERT_TRUE(WriteFileAtomically(config, "x_channel_valid=32\r\n"));
  ResultsRecorder recorder = Recorder(rig);
  rig.tester.state().configFilePath = config;
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  rig.tester.state().configFilePath = (dir / "gone.txt").string();
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  rig.tester.state().configFilePath.clear();
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  const auto rows = test::CsvRecords(Csv());
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].at("config_file"), config) << "a comma in the path survives the quoting";
  EXPECT_EQ(rows[0].at("config_sha256"), Sha256Hex("x_channel_valid=32\r\n"));
  EXPECT_EQ(rows[1].at("config_sha256"), "") << "a file that cannot be read has no digest";
  EXPECT_EQ(rows[2].at("config_file"), "");
  EXPECT_EQ(rows[2].at("config_sha256"), "");
  EXPECT_EQ(Jsonl().at(0)["configSha256"], Sha256Hex("x_channel_valid=32\r\n"));
}

TEST_F(RecorderTest, StationDefaultsToTheHostName) {
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig, "");
  EXPECT_EQ(recorder.station(), "host-7");
  ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest()).written);
  EXPECT_EQ(test::CsvRecords(Csv()).at(0).at("station"), "host-7");
}

TEST_F(RecorderTest, SerialWithSeparatorsAndLineEndsReadsBack) {
  const struct {
    const char* name;
    std::string serial;
  } cases[] = {{"comma", "A,1"}, {"quotes", "say \"7\""}, {"line end", "A\r\nB"}, {"chinese", "批次-甲"}};
  TesterRig rig;
  ASSERT_TRUE(rig.ConnectAndConfirm());
  ResultsRecorder recorder = Recorder(rig);
  for (const auto& c : cases) ASSERT_TRUE(recorder.Record(rig.tester, rig.tester.RunTest(), {c.serial, "", ""}).written);
  const auto rows = test::CsvRecords(Csv());
  const auto records = Jsonl();
  ASSERT_EQ(rows.size(), std::size(cases));
  ASSERT_EQ(records.size(), std::size(cases)) << "a line end in a field never splits a JSON line";
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_EQ(rows[i].at("serial"), cases[i].serial);
    EXPECT_EQ(records[i]["serial"], cases[i].serial);
  }
}

TEST(AbortReasonTest, TheAbortLineOfTheLog) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
    std::string reason;
  } cases[] = {
      {"empty log", {}, ""},
      {"last line", {"calib & clear", "测试板应答错误，测试中止"}, "测试板应答错误，测试中止"},
      {"abort line before later lines", {"控制器无响应，测试中止", "测试板已断开"}, "控制器无响应，测试中止"},
      {"no abort line", {"calib & clear", "something else"}, "something else"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OperatorLog log;
    for (const std::string& line : c.lines) log.Append(line);
    EXPECT_EQ(AbortReasonFromLog(log), c.reason);
  }
}

}  // namespace
}  // namespace vn
