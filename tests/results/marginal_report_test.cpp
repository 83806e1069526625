// The report's marginal figures: the rate per hour counts PASS films with a
// marginal node among the films whose records looked for them, and the nodes
// most often marginal; records written without a margin leave them out.
#include <gtest/gtest.h>

#include "results/record_json.h"
#include "results/report_loader.h"
#include "results/report_summary.h"
#include "results_folder.h"

namespace vn {
namespace {

FilmRecord Film(const std::string& time, bool passed, std::optional<std::vector<NodePosition>> marginal) {
  FilmRecord r;
  r.time = time;
  r.verdict = passed ? "PASS" : "NG";
  r.judged = true;
  r.selfTestPassed = 1;
  r.filmNg = passed ? 0 : 1;
  if (passed) r.measured = NodeMatrix{};
  if (marginal) {
    r.margin = "pct:10";
    for (const NodePosition& node : *marginal)
      r.marginalNodes.push_back({node, FailureKind::Value, NodeArea::Visible, 27500, 19000, 28000});
  }
  return r;
}

ReportData Report(const std::vector<FilmRecord>& films) {
  const auto dir = test::FreshFolder("marginal-report");
  std::string lines;
  for (const FilmRecord& film : films) lines += JsonRecordLine(film);
  EXPECT_TRUE(WriteFileAtomically((dir / "results-20240501.jsonl").string(), lines));
  const ReportLoad load = LoadReport(dir.string(), {});
  EXPECT_TRUE(load.ok);
  std::filesystem::remove_all(dir);
  return load.data;
}

TEST(MarginalReportTest, RatePerHourAndTheNodesMostOftenMarginal) {
  const NodePosition a{2, 3}, b{9, 40};
  const ReportData data = Report({
      Film("2024-05-01 09:00:00", true, std::vector<NodePosition>{a, b}),
      Film("2024-05-01 09:10:00", true, std::vector<NodePosition>{}),
      Film("2024-05-01 09:20:00", true, std::nullopt),  // written before the station set a margin
      Film("2024-05-01 09:30:00", false, std::vector<NodePosition>{b}),  // NG: not a marginal PASS
      Film("2024-05-01 10:00:00", true, std::vector<NodePosition>{b}),
  });
  EXPECT_TRUE(HasMarginData(data));
  EXPECT_EQ(data.total.marginChecked, 4);
  EXPECT_EQ(data.total.marginal, 2);
  EXPECT_DOUBLE_EQ(MarginalPercent(data.byHour.at("2024-05-01 09")), 100.0 / 3);
  EXPECT_DOUBLE_EQ(MarginalPercent(data.byHour.at("2024-05-01 10")), 100.0);
  const std::vector<NodeCount> nodes = MostMarginalNodes(data, 10);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0].node, b);
  EXPECT_EQ(nodes[0].count, 3) << "a node counts in every film it was marginal in, NG films included";
  EXPECT_EQ(nodes[1].node, a);

  const std::string text = ReportSummaryText(data);
  for (const char* line : {"yield: 80.00%\nmarginal rate: 50.00% (2 PASS films with marginal nodes of 4)\n",
                           "  2024-05-01 09:00  films 4  PASS 3  yield 75.00%  marginal 33.33%\n",
                           "  2024-05-01 10:00  films 1  PASS 1  yield 100.00%  marginal 100.00%\n",
                           "nodes most often marginal:\n  X 9 Y 40: 3\n  X 2 Y 3: 1\n"}) {
    SCOPED_TRACE(line);
    EXPECT_NE(text.find(line), std::string::npos) << text;
  }
}

TEST(MarginalReportTest, AnHourWithoutMarginDataShowsADash) {
  const ReportData data = Report({Film("2024-05-01 08:00:00", true, std::nullopt),
                                  Film("2024-05-01 09:00:00", true, std::vector<NodePosition>{})});
  const std::string text = ReportSummaryText(data);
  EXPECT_NE(text.find("  2024-05-01 08:00  films 1  PASS 1  yield 100.00%  marginal -\n"), std::string::npos) << text;
  EXPECT_NE(text.find("marginal rate: 0.00% (0 PASS films with marginal nodes of 1)\n"), std::string::npos) << text;
}

TEST(MarginalReportTest, AMalformedMarginalListIsNotARecord) {
  EXPECT_FALSE(ParseRecordLine(R"({"time":"2024-05-01 09:00:00","verdict":"PASS","marginalNodes":5})"));
  EXPECT_FALSE(ParseRecordLine(R"({"time":"2024-05-01 09:00:00","verdict":"PASS","marginalNodes":[{"x":32,"y":0}]})"));
  const auto record = ParseRecordLine(R"({"time":"2024-05-01 09:00:00","verdict":"PASS","marginalNodes":[{"x":3,"y":4}]})");
  ASSERT_TRUE(record);
  ASSERT_TRUE(record->marginalNodes);
  EXPECT_EQ(record->marginalNodes->front(), (NodePosition{3, 4}));
}

}  // namespace
}  // namespace vn
