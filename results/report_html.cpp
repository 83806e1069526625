#include "results/report_html.h"

#include "results/heatmap_svg.h"
#include "results/html_text.h"
#include "results/report_summary.h"

namespace vn {

namespace {

constexpr char kStyle[] =
    "body{font-family:sans-serif;margin:24px;color:#222}"
    "h1{font-size:22px}h2{font-size:17px;margin-top:28px}"
    "table{border-collapse:collapse;margin:8px 0}"
    "th,td{border:1px solid #bbb;padding:3px 10px;text-align:right}"
    "th{background:#eee}td.name,th.name{text-align:left}"
    ".heatmap text{font-size:8px;fill:#555}.heatmap .ylabel{text-anchor:middle}"
    ".heatmap .xlabel{text-anchor:end}.heatmap rect{stroke:#ddd;stroke-width:0.5}"
    ".note{color:#666;font-size:13px}";

std::string Cell(const std::string& text, bool name = false) {
  return std::string(name ? "<td class=\"name\">" : "<td>") + HtmlEscape(text) + "</td>";
}

std::string Row(const std::string& name, const std::string& value) {
  return "<tr>" + Cell(name, true) + Cell(value) + "</tr>\n";
}

std::string SummaryTable(const ReportData& d) {
  return "<table class=\"summary\">\n" + Row("films", std::to_string(d.total.films)) +
         Row("PASS", std::to_string(d.total.passed)) + Row("NG", std::to_string(d.total.films - d.total.passed)) +
         Row("aborted (shown NG)", std::to_string(d.aborted)) + Row("yield", PercentText(YieldPercent(d.total))) +
         Row("record files", std::to_string(d.files)) + Row("skipped lines", std::to_string(d.skippedLines)) +
         "</table>\n";
}

std::string HourTable(const ReportData& d) {
  std::string html = "<table class=\"hours\">\n<tr><th class=\"name\">hour</th><th>films</th><th>PASS</th>"
                     "<th>yield</th></tr>\n";
  for (const auto& [hour, tally] : d.byHour)
    html += "<tr>" + Cell(hour + ":00", true) + Cell(std::to_string(tally.films)) + Cell(std::to_string(tally.passed)) +
            Cell(PercentText(YieldPercent(tally))) + "</tr>\n";
  return html + "</table>\n";
}

std::string ReasonTable(const ReportData& d) {
  std::string html = "<table class=\"reasons\">\n<tr><th class=\"name\">reason</th><th>films</th></tr>\n";
  for (const Ranked& reason : RankedReasons(d)) html += Row(reason.name, std::to_string(reason.count));
  return html + "</table>\n";
}

std::string NodeTable(const ReportData& d) {
  std::string html = "<table class=\"nodes\">\n<tr><th class=\"name\">node</th><th>films</th></tr>\n";
  for (const NodeCount& node : MostFailedNodes(d, kReportedNodes))
    html += Row(NodeName(node.node), std::to_string(node.count));
  return html + "</table>\n";
}

std::string RangeText(const ReportHeading& h) {
  if (h.from.empty() && h.to.empty()) return "all days";
  return (h.from.empty() ? std::string("…") : h.from) + " – " + (h.to.empty() ? std::string("…") : h.to);
}

}  // namespace

std::string ReportHtml(const ReportData& data, const ReportHeading& heading) {
  return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<title>VN4820 test results</title>\n<style>" +
         std::string(kStyle) + "</style>\n</head>\n<body>\n<h1>VN4820 test results</h1>\n<p class=\"note\">" +
         HtmlEscape(heading.folder) + " · " + HtmlEscape(RangeText(heading)) + "</p>\n" + SummaryTable(data) +
         "<h2>Yield by hour</h2>\n" + HourTable(data) + "<h2>NG reasons</h2>\n" + ReasonTable(data) +
         "<h2>Nodes that failed most</h2>\n" + NodeTable(data) +
         "<h2>Failures per node</h2>\n<p class=\"note\">rows X 0–31, columns Y 0–51; hover a cell for its count</p>\n" +
         HeatmapSvg(data.nodeFailures) + "\n</body>\n</html>\n";
}

}  // namespace vn
