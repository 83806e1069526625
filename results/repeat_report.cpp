#include "results/repeat_report.h"

#include <algorithm>
#include <cstdio>

#include "results/failing_nodes.h"
#include "results/heatmap_svg.h"
#include "results/html_page.h"

namespace vn {

namespace {

constexpr char kUnjudgedFill[] = "#eeeeee";

std::string Fixed(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

std::string SpreadText(const NodeSpread& s) {
  return "mean " + Fixed(s.mean) + "  std " + Fixed(s.standardDeviation) + "  range " + std::to_string(s.range);
}

std::string HighestText(const RepeatabilitySummary& summary) {
  if (summary.worstNodes.empty()) return "-";
  const NodeSpreadAt& worst = summary.worstNodes.front();
  return Fixed(worst.spread.standardDeviation) + " (" + NodeName(worst.node) + ")";
}

std::vector<ColumnNoise> ShownColumns(const RepeatabilitySummary& summary) {
  std::vector<ColumnNoise> columns = summary.columns;
  if (columns.size() > kRepeatColumnsShown) columns.resize(kRepeatColumnsShown);
  return columns;
}

std::array<HeatCell, kNodeCount> NoiseCells(const RepeatabilitySummary& summary, const RepeatabilityStats& stats) {
  double highest = 0;
  for (std::size_t i = 0; i < kNodeCount; ++i)
    if (summary.judged[i]) highest = std::max(highest, stats.Spread(i).standardDeviation);
  std::array<HeatCell, kNodeCount> cells;
  for (std::size_t x = 0; x < kXChannelCount; ++x)
    for (std::size_t y = 0; y < kYChannelCount; ++y) {
      const std::size_t i = NodeIndex(x, y);
      const std::string name = NodeName({std::uint8_t(x), std::uint8_t(y)});
      if (!summary.judged[i]) {
        cells[i] = {kUnjudgedFill, name + ": not judged", ""};
        continue;
      }
      const NodeSpread s = stats.Spread(i);
      cells[i] = {ShareColour(highest > 0 ? s.standardDeviation / highest : 0.0), name + ": " + SpreadText(s),
                  Fixed(s.standardDeviation)};
    }
  return cells;
}

std::string WorstTable(const RepeatabilitySummary& summary) {
  std::string html = "<table class=\"worst\">\n<tr><th class=\"name\">node</th><th>mean</th><th>std</th>"
                     "<th>range</th></tr>\n";
  for (const NodeSpreadAt& n : summary.worstNodes)
    html += "<tr>" + HtmlCell(NodeName(n.node), true) + HtmlCell(Fixed(n.spread.mean)) +
            HtmlCell(Fixed(n.spread.standardDeviation)) + HtmlCell(std::to_string(n.spread.range)) + "</tr>\n";
  return html + "</table>\n";
}

std::string ColumnTable(const RepeatabilitySummary& summary) {
  std::string html = "<table class=\"columns\">\n<tr><th class=\"name\">column</th><th>mean std</th></tr>\n";
  for (const ColumnNoise& c : ShownColumns(summary))
    html += HtmlRow("X " + std::to_string(c.x), Fixed(c.meanStandardDeviation));
  return html + "</table>\n";
}

}  // namespace

std::string RepeatSummaryText(const RepeatabilitySummary& summary) {
  std::string text = "runs: " + std::to_string(summary.runs) + "\n" + "nodes: VA " + std::to_string(summary.vaNodes) +
                     ", KEY " + std::to_string(summary.keyNodes) + "\n" + "standard deviation: median " +
                     Fixed(summary.medianStandardDeviation) + ", highest " + HighestText(summary) + "\n" +
                     "worst nodes:\n";
  for (const NodeSpreadAt& n : summary.worstNodes) text += "  " + NodeName(n.node) + ": " + SpreadText(n.spread) + "\n";
  text += "noisiest X columns (mean std):\n";
  for (const ColumnNoise& c : ShownColumns(summary))
    text += "  X " + std::to_string(c.x) + ": " + Fixed(c.meanStandardDeviation) + "\n";
  return text;
}

std::string RepeatHtml(const RepeatabilitySummary& summary, const RepeatabilityStats& stats) {
  const std::string table = "<table class=\"summary\">\n" + HtmlRow("runs", std::to_string(summary.runs)) +
                            HtmlRow("VA nodes", std::to_string(summary.vaNodes)) +
                            HtmlRow("KEY nodes", std::to_string(summary.keyNodes)) +
                            HtmlRow("median std", Fixed(summary.medianStandardDeviation)) +
                            HtmlRow("highest std", HighestText(summary)) + "</table>\n";
  return HtmlPage("VN4820 repeatability",
                  "<p class=\"note\">one film tested " + std::to_string(summary.runs) +
                      " times; nothing judged or recorded</p>\n" + table + "<h2>Worst nodes</h2>\n" +
                      WorstTable(summary) + "<h2>Noisiest X columns</h2>\n" + ColumnTable(summary) +
                      "<h2>Noise per node</h2>\n<p class=\"note\">standard deviation; rows X 0–31, columns Y 0–51; "
                      "grey: not judged; hover a cell for its figures</p>\n" +
                      MatrixHeatmapSvg(NoiseCells(summary, stats), {"std", "standard deviation per node"}) + "\n");
}

}  // namespace vn
