// The report's figures on a fixture set of records written by the record
// writer itself, plus lines that are not records.
#include <gtest/gtest.h>

#include <regex>

#include "results/heatmap_svg.h"
#include "results/record_files.h"
#include "results/record_json.h"
#include "results/report_html.h"
#include "results/report_loader.h"
#include "results/report_summary.h"
#include "results_folder.h"

namespace vn {
namespace {

FailingNode Value(std::uint8_t x, std::uint8_t y, NodeArea area = NodeArea::Visible) {
  return {{x, y}, FailureKind::Value, area, 1200, 19000, 28000};
}
FailingNode Difference(std::uint8_t x, std::uint8_t y) {
  return {{x, y}, FailureKind::Difference, NodeArea::Visible, 1000, 3000, 10000};
}

FilmRecord Film(const std::string& time, bool passed, std::vector<FailingNode> nodes = {}) {
  FilmRecord r;
  r.time = time;
  r.verdict = passed ? "PASS" : "NG";
  r.judged = true;
  r.selfTestPassed = 1;
  r.filmNg = passed ? 0 : 1;
  r.failingNodes = std::move(nodes);
  return r;
}

FilmRecord SelfTestFault(const std::string& time) {
  FilmRecord r = Film(time, false);
  r.selfTestPassed = 0;
  r.selfTestText = "通道对GND短路，位置在X 3";
  return r;
}

FilmRecord Aborted(const std::string& time) {
  FilmRecord r = Film(time, false);
  r.judged = false;
  r.abortReason = "测试板无应答，测试中止";
  return r;
}

FilmRecord DifferenceNg(const std::string& time) {
  FilmRecord r = Film(time, false, {Value(5, 7), Difference(5, 7), Difference(1, 1)});
  r.differenceNg = 1;
  return r;
}

std::string Lines(const std::vector<FilmRecord>& films) {
  std::string text;
  for (const FilmRecord& film : films) text += JsonRecordLine(film);
  return text;
}

// Ten films over two days, node X 5 Y 7 failing in three of them, and three
// lines that are not film records.
class ReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = test::FreshFolder("report");
    Write("results-20240501.jsonl",
          Lines({Film("2024-05-01 09:00:01", true), Film("2024-05-01 09:10:00", true),
                 Film("2024-05-01 09:20:00", true), Film("2024-05-01 09:30:00", false, {Value(5, 7)})}) +
              "not json at all\n" + R"({"time":5,"verdict":"NG"})" "\n" +
              R"({"time":"2024-05-01 09:40:00","verdict":"NG","failingNodes":[{"x":40,"y":1}]})" "\n");
    Write("results-20240502.jsonl",
          Lines({Film("2024-05-02 10:00:00", true), Film("2024-05-02 10:05:00", true),
                 Film("2024-05-02 10:10:00", false, {Value(5, 7), Value(30, 50, NodeArea::Key)}),
                 SelfTestFault("2024-05-02 10:15:00"), Aborted("2024-05-02 10:20:00"),
                 DifferenceNg("2024-05-02 10:25:00")}));
    Write("results-20240503.jsonl", Lines({Film("2024-05-03 08:00:00", false, {Value(0, 0)})}));
    Write("results-2024050.jsonl", Lines({Film("2024-05-04 08:00:00", false)}));  // not a day file
    Write("notes.jsonl", "{}\n");
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  void Write(const std::string& name, const std::string& text) {
    ASSERT_TRUE(WriteFileAtomically((dir / name).string(), text));
  }
  ReportData Load(DayRange range = {std::nullopt, 20240502}) {
    const ReportLoad load = LoadReport(dir.string(), range);
    EXPECT_TRUE(load.ok);
    return load.data;
  }

  std::filesystem::path dir;
};

TEST_F(ReportTest, CountsAndYield) {
  const ReportData data = Load();
  EXPECT_EQ(data.files, 2);
  EXPECT_EQ(data.total.films, 10);
  EXPECT_EQ(data.total.passed, 5);
  EXPECT_EQ(data.aborted, 1);
  EXPECT_EQ(data.skippedLines, 3) << "bad JSON, a field of the wrong type, a node outside the matrix";
  EXPECT_DOUBLE_EQ(YieldPercent(data.total), 50.0);
  ASSERT_EQ(data.byHour.size(), 2u);
  EXPECT_EQ(data.byHour.at("2024-05-01 09").films, 4);
  EXPECT_EQ(data.byHour.at("2024-05-01 09").passed, 3);
  EXPECT_EQ(data.byHour.at("2024-05-02 10").films, 6);
  EXPECT_EQ(data.byHour.at("2024-05-02 10").passed, 2);
}

TEST_F(ReportTest, ReasonsRankedMostFirst) {
  const std::vector<Ranked> reasons = RankedReasons(Load());
  const std::vector<std::pair<std::string, int>> expected = {
      {"VA out of range", 3}, {"KEY out of range", 1}, {"aborted", 1}, {"difference", 1},
      {"self test: 通道对GND短路", 1}};
  ASSERT_EQ(reasons.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].first);
    EXPECT_EQ(reasons[i].name, expected[i].first);
    EXPECT_EQ(reasons[i].count, expected[i].second);
  }
}

TEST_F(ReportTest, NodesThatFailedMost) {
  const ReportData data = Load();
  EXPECT_EQ(data.nodeFailures[NodeIndex(5, 7)], 3) << "a node failing value and difference counts once per film";
  const std::vector<NodeCount> nodes = MostFailedNodes(data, 10);
  ASSERT_EQ(nodes.size(), 3u);
  EXPECT_EQ(nodes[0].node, (NodePosition{5, 7}));
  EXPECT_EQ(nodes[0].count, 3);
  EXPECT_EQ(nodes[1].node, (NodePosition{1, 1})) << "ties in X-major order";
  EXPECT_EQ(nodes[2].node, (NodePosition{30, 50}));
  EXPECT_EQ(MostFailedNodes(data, 1).size(), 1u);
}

TEST_F(ReportTest, SummaryText) {
  const std::string text = ReportSummaryText(Load());
  for (const char* line : {"films: 10\n", "PASS: 5\n", "NG: 5\n", "aborted: 1\n", "yield: 50.00%\n",
                           "skipped lines: 3\n", "  2024-05-01 09:00  films 4  PASS 3  yield 75.00%\n",
                           "  2024-05-02 10:00  films 6  PASS 2  yield 33.33%\n",
                           "NG reasons:\n  VA out of range: 3\n", "nodes that failed most:\n  X 5 Y 7: 3\n"}) {
    SCOPED_TRACE(line);
    EXPECT_NE(text.find(line), std::string::npos) << text;
  }
}

TEST_F(ReportTest, DayRangeChoosesTheFiles) {
  const struct {
    const char* name;
    DayRange range;
    int files;
    int films;
  } cases[] = {
      {"all", {}, 3, 11},
      {"from the second day", {20240502, std::nullopt}, 2, 7},
      {"one day", {20240501, 20240501}, 1, 4},
      {"before any", {std::nullopt, 20240430}, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ReportData data = Load(c.range);
    EXPECT_EQ(data.files, c.files);
    EXPECT_EQ(data.total.films, c.films);
  }
  EXPECT_FALSE(LoadReport((dir / "missing").string(), {}).ok);
}

TEST_F(ReportTest, HeatmapCellOfANodeThatFailedThreeTimesSaysThree) {
  const std::string html = ReportHtml(Load(), {dir.string(), "", "2024-05-02"});
  const std::regex cell(R"re(<rect [^>]*data-x="5" data-y="7" data-count="(\d+)"><title>([^<]*)</title></rect>)re");
  std::smatch match;
  ASSERT_TRUE(std::regex_search(html, match, cell));
  EXPECT_EQ(match[1], "3");
  EXPECT_EQ(match[2], "X 5 Y 7: 3");
  std::size_t cells = 0;
  for (std::size_t at = html.find("<rect "); at != std::string::npos; at = html.find("<rect ", at + 1)) ++cells;
  EXPECT_EQ(cells, kNodeCount);
  ASSERT_TRUE(std::regex_search(html, match, std::regex(R"re(data-x="0" data-y="0" data-count="(\d+)")re")));
  EXPECT_EQ(match[1], "0") << "the third day is outside the range";
}

TEST_F(ReportTest, HtmlIsSelfContained) {
  const std::string html = ReportHtml(Load(), {"<dir & \"co\">", "", ""});
  EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
  EXPECT_NE(html.find("<style>"), std::string::npos);
  for (const char* outside : {"<script", "<link", "src=", "href=", "url(", "@import", "https:"}) {
    SCOPED_TRACE(outside);
    EXPECT_EQ(html.find(outside), std::string::npos);
  }
  std::string withoutNamespace = html;
  withoutNamespace.erase(withoutNamespace.find("xmlns=\"http://www.w3.org/2000/svg\""), 34);
  EXPECT_EQ(withoutNamespace.find("http:"), std::string::npos);
  EXPECT_NE(html.find("&lt;dir &amp; &quot;co&quot;&gt;"), std::string::npos);
  EXPECT_NE(html.find("self test: 通道对GND短路"), std::string::npos);
}

TEST(HeatColourTest, DeeperForMoreFailures) {
  const struct {
    const char* name;
    int count;
    int highest;
    const char* colour;
  } cases[] = {
      {"none", 0, 5, "#ffffff"}, {"empty map", 0, 0, "#ffffff"}, {"highest", 5, 5, "#c00000"},
      {"half", 1, 2, "#df6868"}, {"above highest", 9, 5, "#c00000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(HeatColour(c.count, c.highest), c.colour);
  }
}

TEST(RecordFileTest, DaysAndFileNames) {
  const struct {
    const char* text;
    std::optional<int> day;
  } days[] = {{"2024-05-01", 20240501}, {"2024-02-29", 20240229}, {"2023-02-29", std::nullopt},
              {"2024-13-01", std::nullopt}, {"2024-5-1", std::nullopt}, {"20240501", std::nullopt},
              {"2024-05-0x", std::nullopt}, {"2024-04-31", std::nullopt}};
  for (const auto& c : days) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseIsoDay(c.text), c.day);
  }
  const struct {
    const char* name;
    std::optional<int> day;
  } names[] = {{"results-20240501.jsonl", 20240501}, {"results-20240501.csv", std::nullopt},
               {"results-2024050.jsonl", std::nullopt}, {"results-20240532.jsonl", std::nullopt},
               {"xresults-20240501.jsonl", std::nullopt}, {"results-20240501.jsonl.tmp", std::nullopt}};
  for (const auto& c : names) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(RecordFileDay(c.name), c.day);
  }
}

TEST(ParseRecordLineTest, WhatIsARecord) {
  const struct {
    const char* name;
    const char* line;
    bool parsed;
  } cases[] = {
      {"minimal", R"({"time":"2024-05-01 09:00:00","verdict":"PASS"})", true},
      {"not an object", R"([1,2])", false},
      {"no verdict", R"({"time":"2024-05-01 09:00:00"})", false},
      {"unknown verdict", R"({"time":"2024-05-01 09:00:00","verdict":"WAIT"})", false},
      {"short time", R"({"time":"09:00","verdict":"NG"})", false},
      {"judged not a bool", R"({"time":"2024-05-01 09:00:00","verdict":"NG","judged":"no"})", false},
      {"failing nodes not a list", R"({"time":"2024-05-01 09:00:00","verdict":"NG","failingNodes":3})", false},
      {"node without y", R"({"time":"2024-05-01 09:00:00","verdict":"NG","failingNodes":[{"x":1}]})", false},
      {"node below the matrix", R"({"time":"2024-05-01 09:00:00","verdict":"NG","failingNodes":[{"x":1,"y":-1}]})", false},
      {"cut off", R"({"time":"2024-05-01 09:00:00","verd)", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParseRecordLine(c.line).has_value(), c.parsed);
  }
}

}  // namespace
}  // namespace vn
