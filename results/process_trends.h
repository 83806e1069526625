// Process trends over the film records of a report: each judged film's VA
// and KEY mean, minimum and maximum in time order, the process capability
// (Cpk) of the VA mean against the VA limits per day, and every node's mean
// shift from the station's golden sample. The nodes are classified under the
// configuration the report is given, since records do not carry one.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "config/test_parameters.h"
#include "engine/node_matrix.h"
#include "results/verification.h"

namespace vn {

struct AreaFigures {
  int nodes = 0;  // 0: the configuration has no node of the area
  double mean = 0;
  int min = 0;
  int max = 0;
};

struct FilmTrend {
  std::string time;  // "YYYY-MM-DD hh:mm:ss"
  AreaFigures va;
  AreaFigures key;
};

struct ProcessTrends {
  TestParameters parameters;
  std::string goldenFile;            // empty: no golden sample given
  std::vector<ReferenceNode> golden;
  std::vector<FilmTrend> films;
  int measuredFilms = 0;
  std::array<double, kNodeCount> nodeSums{};  // of the measured values, over measuredFilms
};

// Adds one judged film's values.
void AddFilmTrend(ProcessTrends& trends, const std::string& time, const NodeMatrix& measured);

// The films in time order (records of one second keep the order they were read in).
std::vector<FilmTrend> FilmsInTimeOrder(const ProcessTrends& trends);

// min(upper - mean, mean - lower) / (3 s) with s the sample standard
// deviation; nullopt for fewer than two values or no spread at all.
std::optional<double> Cpk(const std::vector<double>& values, double lower, double upper);

struct DayCapability {
  std::string day;  // "YYYY-MM-DD"
  int films = 0;
  double mean = 0;
  std::optional<double> cpk;
};
// The Cpk of the VA mean per day against the configuration's VA range.
std::vector<DayCapability> VaMeanCapabilityByDay(const ProcessTrends& trends);

// Per golden-sample node: the mean of the films' values minus the golden value.
std::array<std::optional<double>, kNodeCount> MeanShiftFromGolden(const ProcessTrends& trends);

}  // namespace vn
