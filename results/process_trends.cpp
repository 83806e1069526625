#include "results/process_trends.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "engine/node_judgement.h"

namespace vn {

namespace {

void Take(AreaFigures& area, int value) {
  area.min = area.nodes == 0 ? value : std::min(area.min, value);
  area.max = area.nodes == 0 ? value : std::max(area.max, value);
  area.mean += value;  // a sum until the film is complete
  ++area.nodes;
}

void Finish(AreaFigures& area) {
  if (area.nodes > 0) area.mean /= area.nodes;
}

}  // namespace

void AddFilmTrend(ProcessTrends& trends, const std::string& time, const NodeMatrix& measured) {
  FilmTrend film{time, {}, {}};
  for (const NodePosition& n : NodesWhere(trends.parameters, [](NodePosition) { return true; })) {
    const NodeArea area = ClassifyNode(trends.parameters, n.x, n.y);
    if (area == NodeArea::Visible) Take(film.va, measured.At(n.x, n.y));
    if (area == NodeArea::Key) Take(film.key, measured.At(n.x, n.y));
  }
  Finish(film.va);
  Finish(film.key);
  trends.films.push_back(film);
  ++trends.measuredFilms;
  for (std::size_t i = 0; i < kNodeCount; ++i) trends.nodeSums[i] += measured.values[i];
}

std::vector<FilmTrend> FilmsInTimeOrder(const ProcessTrends& trends) {
  std::vector<FilmTrend> films = trends.films;
  std::stable_sort(films.begin(), films.end(), [](const FilmTrend& a, const FilmTrend& b) { return a.time < b.time; });
  return films;
}

std::optional<double> Cpk(const std::vector<double>& values, double lower, double upper) {
  if (values.size() < 2) return std::nullopt;
  double mean = 0;
  for (double v : values) mean += v;
  mean /= double(values.size());
  double squares = 0;
  for (double v : values) squares += (v - mean) * (v - mean);
  const double deviation = std::sqrt(squares / double(values.size() - 1));
  if (!(deviation > 0)) return std::nullopt;
  return std::min(upper - mean, mean - lower) / (3 * deviation);
}

std::vector<DayCapability> VaMeanCapabilityByDay(const ProcessTrends& trends) {
  std::map<std::string, std::vector<double>> byDay;
  for (const FilmTrend& film : trends.films)
    if (film.va.nodes > 0) byDay[film.time.substr(0, 10)].push_back(film.va.mean);
  std::vector<DayCapability> days;
  const TestParameters& p = trends.parameters;
  for (const auto& [day, means] : byDay) {
    double sum = 0;
    for (double m : means) sum += m;
    days.push_back({day, int(means.size()), sum / double(means.size()), Cpk(means, p.rawdata_va_min, p.rawdata_va_max)});
  }
  return days;
}

std::array<std::optional<double>, kNodeCount> MeanShiftFromGolden(const ProcessTrends& trends) {
  std::array<std::optional<double>, kNodeCount> shifts;
  if (trends.measuredFilms == 0) return shifts;
  for (const ReferenceNode& g : trends.golden) {
    const std::size_t i = NodeIndex(g.node.x, g.node.y);
    shifts[i] = trends.nodeSums[i] / trends.measuredFilms - g.value;
  }
  return shifts;
}

}  // namespace vn
