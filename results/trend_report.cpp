#include "results/trend_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "results/failing_nodes.h"
#include "results/heatmap_svg.h"
#include "results/html_page.h"
#include "results/html_text.h"
#include "results/trend_chart_svg.h"

namespace vn {

namespace {

constexpr std::size_t kShiftsListed = 5;

std::string Fixed(double value, const char* format = "%.2f") {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string CpkText(const std::optional<double>& cpk) { return cpk ? Fixed(*cpk) : std::string("-"); }

double LargestShift(const std::array<std::optional<double>, kNodeCount>& shifts) {
  double largest = 0;
  for (const auto& s : shifts)
    if (s) largest = std::max(largest, std::fabs(*s));
  return largest;
}

struct Shift {
  NodePosition node;
  double shift;
};

std::vector<Shift> LargestShifts(const std::array<std::optional<double>, kNodeCount>& shifts) {
  std::vector<Shift> list;
  for (std::size_t x = 0; x < kXChannelCount; ++x)
    for (std::size_t y = 0; y < kYChannelCount; ++y)
      if (const auto& s = shifts[NodeIndex(x, y)]) list.push_back({{std::uint8_t(x), std::uint8_t(y)}, *s});
  std::stable_sort(list.begin(), list.end(),
                   [](const Shift& a, const Shift& b) { return std::fabs(a.shift) > std::fabs(b.shift); });
  if (list.size() > kShiftsListed) list.resize(kShiftsListed);
  return list;
}

std::string CapabilityTable(const ProcessTrends& trends) {
  std::string html = "<table class=\"cpk\">\n<tr><th class=\"name\">day</th><th>films</th><th>VA mean</th>"
                     "<th>Cpk</th></tr>\n";
  for (const DayCapability& d : VaMeanCapabilityByDay(trends))
    html += "<tr>" + HtmlCell(d.day, true) + HtmlCell(std::to_string(d.films)) + HtmlCell(Fixed(d.mean, "%.1f")) +
            HtmlCell(CpkText(d.cpk)) + "</tr>\n";
  return html + "</table>\n";
}

std::string ShiftHeatmap(const ProcessTrends& trends) {
  const auto shifts = MeanShiftFromGolden(trends);
  const double largest = LargestShift(shifts);
  std::array<HeatCell, kNodeCount> cells;
  for (std::size_t x = 0; x < kXChannelCount; ++x)
    for (std::size_t y = 0; y < kYChannelCount; ++y) {
      const std::size_t i = NodeIndex(x, y);
      const std::string name = NodeName({std::uint8_t(x), std::uint8_t(y)});
      if (!shifts[i]) {
        cells[i] = {"#eeeeee", name + ": not in the golden sample", ""};
        continue;
      }
      cells[i] = {ShiftColour(*shifts[i], largest), name + ": shift " + Fixed(*shifts[i], "%+.1f"),
                  Fixed(*shifts[i], "%.1f")};
    }
  return MatrixHeatmapSvg(cells, {"shift", "mean shift from the golden sample per node"});
}

std::string GoldenSection(const ProcessTrends& trends) {
  if (trends.goldenFile.empty()) return {};
  return "<h2>Mean shift from the golden sample</h2>\n<p class=\"note\">" + HtmlEscape(trends.goldenFile) +
         "; red: the films read higher, blue: lower; largest " + Fixed(LargestShift(MeanShiftFromGolden(trends)), "%.1f") +
         "; grey: not in the sample</p>\n" + ShiftHeatmap(trends) + "\n";
}

}  // namespace

std::string ShiftColour(double shift, double largest) {
  if (!(largest > 0) || shift == 0) return "#ffffff";
  const double share = std::min(1.0, std::fabs(shift) / largest);
  if (shift > 0) return ShareColour(share);
  const int blue = 255 - int(63 * share + 0.5);
  const int other = 208 - int(208 * share + 0.5);
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", other, other, blue);
  return text;
}

std::string TrendSummaryText(const ProcessTrends& trends) {
  std::string text = "process trends: " + std::to_string(trends.films.size()) + " judged films\n";
  text += "Cpk of the VA mean by day:\n";
  for (const DayCapability& d : VaMeanCapabilityByDay(trends))
    text += "  " + d.day + "  films " + std::to_string(d.films) + "  VA mean " + Fixed(d.mean, "%.1f") + "  Cpk " +
            CpkText(d.cpk) + "\n";
  if (trends.goldenFile.empty()) return text;
  text += "largest mean shifts from the golden sample:\n";
  for (const Shift& s : LargestShifts(MeanShiftFromGolden(trends)))
    text += "  " + NodeName(s.node) + ": " + Fixed(s.shift, "%+.1f") + "\n";
  return text;
}

std::string TrendSectionHtml(const ProcessTrends& trends) {
  return "<h2>Process trends</h2>\n<p class=\"note\">each judged film's VA and KEY mean, minimum and maximum; dashed: "
         "the configuration's limits</p>\n" +
         TrendChartSvg(FilmsInTimeOrder(trends), trends.parameters) + "\n<h2>Cpk of the VA mean by day</h2>\n" +
         CapabilityTable(trends) + GoldenSection(trends);
}

}  // namespace vn
