#include "results/report_html.h"

#include "results/heatmap_svg.h"
#include "results/html_page.h"
#include "results/html_text.h"
#include "results/report_summary.h"
#include "results/trend_report.h"

namespace vn {

namespace {

std::string Cell(const std::string& text, bool name = false) { return HtmlCell(text, name); }

std::string Row(const std::string& name, const std::string& value) { return HtmlRow(name, value); }

std::string SummaryTable(const ReportData& d) {
  return "<table class=\"summary\">\n" + Row("films", std::to_string(d.total.films)) +
         Row("PASS", std::to_string(d.total.passed)) + Row("NG", std::to_string(d.total.films - d.total.passed)) +
         Row("aborted (shown NG)", std::to_string(d.aborted)) + Row("yield", PercentText(YieldPercent(d.total))) +
         (HasMarginData(d) ? Row("marginal rate", PercentText(MarginalPercent(d.total))) : std::string()) +
         Row("record files", std::to_string(d.files)) + Row("skipped lines", std::to_string(d.skippedLines)) +
         "</table>\n";
}

// The marginal rate of an hour, as a cell, when the report has margin data.
std::string MarginalCell(const ReportData& d, const FilmTally& tally) {
  if (!HasMarginData(d)) return {};
  return Cell(tally.marginChecked == 0 ? std::string("-") : PercentText(MarginalPercent(tally)));
}

std::string HourTable(const ReportData& d) {
  std::string html = "<table class=\"hours\">\n<tr><th class=\"name\">hour</th><th>films</th><th>PASS</th>"
                     "<th>yield</th>" +
                     std::string(HasMarginData(d) ? "<th>marginal</th>" : "") + "</tr>\n";
  for (const auto& [hour, tally] : d.byHour)
    html += "<tr>" + Cell(hour + ":00", true) + Cell(std::to_string(tally.films)) + Cell(std::to_string(tally.passed)) +
            Cell(PercentText(YieldPercent(tally))) + MarginalCell(d, tally) + "</tr>\n";
  return html + "</table>\n";
}

std::string ReasonTable(const ReportData& d) {
  std::string html = "<table class=\"reasons\">\n<tr><th class=\"name\">reason</th><th>films</th></tr>\n";
  for (const Ranked& reason : RankedReasons(d)) html += Row(reason.name, std::to_string(reason.count));
  return html + "</table>\n";
}

std::string NodeTable(const std::vector<NodeCount>& nodes, const char* tableClass) {
  std::string html = "<table class=\"" + std::string(tableClass) +
                     "\">\n<tr><th class=\"name\">node</th><th>films</th></tr>\n";
  for (const NodeCount& node : nodes) html += Row(NodeName(node.node), std::to_string(node.count));
  return html + "</table>\n";
}

std::string MarginalSection(const ReportData& d) {
  if (!HasMarginData(d)) return {};
  return "<h2>Nodes most often marginal</h2>\n<p class=\"note\">PASS within the station's margin of a limit</p>\n" +
         NodeTable(MostMarginalNodes(d, kReportedNodes), "marginal");
}

std::string RangeText(const ReportHeading& h) {
  if (h.from.empty() && h.to.empty()) return "all days";
  return (h.from.empty() ? std::string("…") : h.from) + " – " + (h.to.empty() ? std::string("…") : h.to);
}

}  // namespace

std::string ReportHtml(const ReportData& data, const ReportHeading& heading) {
  return HtmlPage("VN4820 test results",
                  "<p class=\"note\">" + HtmlEscape(heading.folder) + " · " + HtmlEscape(RangeText(heading)) +
                      "</p>\n" + SummaryTable(data) + "<h2>Yield by hour</h2>\n" + HourTable(data) +
                      "<h2>NG reasons</h2>\n" + ReasonTable(data) + "<h2>Nodes that failed most</h2>\n" +
                      NodeTable(MostFailedNodes(data, kReportedNodes), "nodes") + MarginalSection(data) +
                      "<h2>Failures per node</h2>\n<p class=\"note\">rows X 0–31, columns Y 0–51; hover a cell for "
                      "its count</p>\n" +
                      HeatmapSvg(data.nodeFailures) + "\n" +
                      (data.trends ? TrendSectionHtml(*data.trends) : std::string()));
}

}  // namespace vn
