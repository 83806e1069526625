#include "results/trend_chart_svg.h"

#include <algorithm>
#include <cstdio>
#include <functional>

#include "results/html_text.h"

namespace vn {

namespace {

constexpr double kWidth = 900, kHeight = 320;
constexpr double kLeft = 60, kRight = 130, kTop = 16, kBottom = 40;
constexpr double kPlotWidth = kWidth - kLeft - kRight;
constexpr double kPlotHeight = kHeight - kTop - kBottom;
constexpr char kVaColour[] = "#1f5fbf";
constexpr char kKeyColour[] = "#2a8d3a";
constexpr char kLimitColour[] = "#c00000";

std::string Num(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

struct Scale {
  double low, high;
  std::size_t films;
  double X(std::size_t i) const { return kLeft + (films < 2 ? kPlotWidth / 2 : kPlotWidth * double(i) / double(films - 1)); }
  double Y(double v) const { return kTop + (high - v) / (high - low) * kPlotHeight; }
};

Scale MakeScale(const std::vector<FilmTrend>& films, const TestParameters& p, bool withKey) {
  double low = p.rawdata_va_min, high = p.rawdata_va_max;
  if (withKey) low = std::min<double>(low, p.rawdata_key_min), high = std::max<double>(high, p.rawdata_key_max);
  for (const FilmTrend& f : films) {
    for (const AreaFigures* a : {&f.va, &f.key})
      if (a->nodes > 0) low = std::min<double>(low, a->min), high = std::max<double>(high, a->max);
  }
  const double pad = std::max(1.0, (high - low) * 0.04);
  return {low - pad, high + pad, films.size()};
}

std::string Line(const std::vector<FilmTrend>& films, const Scale& s, const std::function<double(const FilmTrend&)>& at,
                 const char* colour, double width, const char* opacity) {
  std::string points;
  for (std::size_t i = 0; i < films.size(); ++i) points += (i ? " " : "") + Num(s.X(i)) + "," + Num(s.Y(at(films[i])));
  return "<polyline fill=\"none\" stroke=\"" + std::string(colour) + "\" stroke-width=\"" + Num(width) +
         "\" stroke-opacity=\"" + opacity + "\" points=\"" + points + "\"/>\n";
}

std::string LimitLine(const Scale& s, double value, const std::string& label, const char* colour) {
  const std::string y = Num(s.Y(value));
  return "<line x1=\"" + Num(kLeft) + "\" x2=\"" + Num(kLeft + kPlotWidth) + "\" y1=\"" + y + "\" y2=\"" + y +
         "\" stroke=\"" + colour + "\" stroke-dasharray=\"6 4\"/><text x=\"" + Num(kLeft + kPlotWidth + 6) +
         "\" y=\"" + Num(s.Y(value) + 4) + "\" fill=\"" + colour + "\">" + HtmlEscape(label) + "</text>\n";
}

std::string Axes(const Scale& s, const std::vector<FilmTrend>& films) {
  std::string svg = "<rect x=\"" + Num(kLeft) + "\" y=\"" + Num(kTop) + "\" width=\"" + Num(kPlotWidth) +
                    "\" height=\"" + Num(kPlotHeight) + "\" fill=\"none\" stroke=\"#999\"/>\n";
  for (int tick = 0; tick <= 4; ++tick) {
    const double value = s.low + (s.high - s.low) * tick / 4;
    svg += "<text x=\"" + Num(kLeft - 6) + "\" y=\"" + Num(s.Y(value) + 4) + "\" text-anchor=\"end\">" +
           std::to_string(int(value + 0.5)) + "</text>\n";
  }
  const std::string first = films.empty() ? "" : films.front().time, last = films.empty() ? "" : films.back().time;
  svg += "<text x=\"" + Num(kLeft) + "\" y=\"" + Num(kHeight - 22) + "\">" + HtmlEscape(first) + "</text>\n";
  svg += "<text x=\"" + Num(kLeft + kPlotWidth) + "\" y=\"" + Num(kHeight - 22) + "\" text-anchor=\"end\">" +
         HtmlEscape(last) + "</text>\n";
  svg += "<text x=\"" + Num(kLeft + kPlotWidth / 2) + "\" y=\"" + Num(kHeight - 6) + "\" text-anchor=\"middle\">" +
         std::to_string(films.size()) + " films in time order</text>\n";
  return svg;
}

std::string Legend(bool withKey) {
  std::string svg;
  const auto entry = [&](int row, const char* colour, const char* text) {
    const std::string y = Num(kTop + 12 + 16 * row);
    svg += "<line x1=\"" + Num(kLeft + 8) + "\" x2=\"" + Num(kLeft + 28) + "\" y1=\"" + y + "\" y2=\"" + y +
           "\" stroke=\"" + colour + "\" stroke-width=\"2\"/><text x=\"" + Num(kLeft + 32) + "\" y=\"" +
           Num(kTop + 16 + 16 * row) + "\">" + text + "</text>\n";
  };
  entry(0, kVaColour, "VA mean (thin: min, max)");
  if (withKey) entry(1, kKeyColour, "KEY mean (thin: min, max)");
  return svg;
}

std::string AreaLines(const std::vector<FilmTrend>& films, const Scale& s, AreaFigures FilmTrend::*area,
                      const char* colour) {
  return Line(films, s, [&](const FilmTrend& f) { return (f.*area).mean; }, colour, 2, "1") +
         Line(films, s, [&](const FilmTrend& f) { return double((f.*area).min); }, colour, 1, "0.55") +
         Line(films, s, [&](const FilmTrend& f) { return double((f.*area).max); }, colour, 1, "0.55");
}

}  // namespace

std::string TrendChartSvg(const std::vector<FilmTrend>& films, const TestParameters& p) {
  const bool withKey = std::any_of(films.begin(), films.end(), [](const FilmTrend& f) { return f.key.nodes > 0; });
  const Scale s = MakeScale(films, p, withKey);
  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"trend\" width=\"" + Num(kWidth) +
                    "\" height=\"" + Num(kHeight) + "\" viewBox=\"0 0 " + Num(kWidth) + " " + Num(kHeight) +
                    "\" role=\"img\" aria-label=\"VA and KEY values per film\" font-size=\"11\">\n" + Axes(s, films);
  svg += LimitLine(s, p.rawdata_va_max, "VA max " + std::to_string(p.rawdata_va_max), kLimitColour);
  svg += LimitLine(s, p.rawdata_va_min, "VA min " + std::to_string(p.rawdata_va_min), kLimitColour);
  if (withKey) {
    svg += LimitLine(s, p.rawdata_key_max, "KEY max " + std::to_string(p.rawdata_key_max), "#d07000");
    svg += LimitLine(s, p.rawdata_key_min, "KEY min " + std::to_string(p.rawdata_key_min), "#d07000");
  }
  if (!films.empty()) {
    svg += AreaLines(films, s, &FilmTrend::va, kVaColour);
    if (withKey) svg += AreaLines(films, s, &FilmTrend::key, kKeyColour);
  }
  return svg + Legend(withKey) + "</svg>";
}

}  // namespace vn
