#include "results/report_summary.h"

#include <cstdio>

#include "results/failing_nodes.h"
#include "results/trend_report.h"

namespace vn {

namespace {

std::string Line(const std::string& name, int value) { return name + ": " + std::to_string(value) + "\n"; }

// "  marginal 20.00%" ("-" for an hour without margin data), only when the report has any.
std::string HourMarginal(const ReportData& data, const FilmTally& tally) {
  if (!HasMarginData(data)) return {};
  return "  marginal " + (tally.marginChecked == 0 ? std::string("-") : PercentText(MarginalPercent(tally)));
}

std::string HourLines(const ReportData& data) {
  std::string text = "yield by hour:\n";
  for (const auto& [hour, tally] : data.byHour)
    text += "  " + hour + ":00  films " + std::to_string(tally.films) + "  PASS " + std::to_string(tally.passed) +
            "  yield " + PercentText(YieldPercent(tally)) + HourMarginal(data, tally) + "\n";
  return text;
}

std::string MarginalRateLine(const ReportData& data) {
  if (!HasMarginData(data)) return {};
  return "marginal rate: " + PercentText(MarginalPercent(data.total)) + " (" + std::to_string(data.total.marginal) +
         " PASS films with marginal nodes of " + std::to_string(data.total.marginChecked) + ")\n";
}

std::string MarginalNodeLines(const ReportData& data) {
  if (!HasMarginData(data)) return {};
  std::string text = "nodes most often marginal:\n";
  for (const NodeCount& node : MostMarginalNodes(data, kReportedNodes))
    text += "  " + Line(NodeName(node.node), node.count);
  return text;
}

std::string ReasonLines(const ReportData& data) {
  std::string text = "NG reasons:\n";
  for (const Ranked& reason : RankedReasons(data)) text += "  " + Line(reason.name, reason.count);
  return text;
}

std::string NodeLines(const ReportData& data) {
  std::string text = "nodes that failed most:\n";
  for (const NodeCount& node : MostFailedNodes(data, kReportedNodes)) text += "  " + Line(NodeName(node.node), node.count);
  return text;
}

}  // namespace

std::string PercentText(double percent) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f%%", percent);
  return text;
}

std::string ReportSummaryText(const ReportData& data) {
  return Line("files", data.files) + Line("films", data.total.films) + Line("PASS", data.total.passed) +
         Line("NG", data.total.films - data.total.passed) + Line("aborted", data.aborted) +
         "yield: " + PercentText(YieldPercent(data.total)) + "\n" + MarginalRateLine(data) +
         Line("skipped lines", data.skippedLines) + HourLines(data) + ReasonLines(data) + NodeLines(data) +
         MarginalNodeLines(data) + (data.trends ? TrendSummaryText(*data.trends) : std::string());
}

}  // namespace vn
