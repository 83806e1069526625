#include "results/report_summary.h"

#include <cstdio>

#include "results/failing_nodes.h"

namespace vn {

namespace {

std::string Line(const std::string& name, int value) { return name + ": " + std::to_string(value) + "\n"; }

std::string HourLines(const ReportData& data) {
  std::string text = "yield by hour:\n";
  for (const auto& [hour, tally] : data.byHour)
    text += "  " + hour + ":00  films " + std::to_string(tally.films) + "  PASS " + std::to_string(tally.passed) +
            "  yield " + PercentText(YieldPercent(tally)) + "\n";
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
         "yield: " + PercentText(YieldPercent(data.total)) + "\n" + Line("skipped lines", data.skippedLines) +
         HourLines(data) + ReasonLines(data) + NodeLines(data);
}

}  // namespace vn
