// The spread of one film's node values over repeated acquisitions: per node
// the mean, the standard deviation (n - 1 in the denominator) and the range
// (largest minus smallest value). A fixture with a pin that makes bad contact
// shows as one noisy X column.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "config/test_parameters.h"
#include "engine/node_matrix.h"

namespace vn {

struct NodeSpread {
  double mean = 0;
  double standardDeviation = 0;
  int range = 0;
};

class RepeatabilityStats {
 public:
  void Add(const NodeMatrix& values);
  int runs() const { return runs_; }
  NodeSpread Spread(std::size_t index) const;

 private:
  int runs_ = 0;
  // Welford's running mean and sum of squared deviations, exact enough for any number of runs.
  std::array<double, kNodeCount> mean_{};
  std::array<double, kNodeCount> squares_{};
  std::array<std::uint16_t, kNodeCount> lowest_{};
  std::array<std::uint16_t, kNodeCount> highest_{};
};

struct NodeSpreadAt {
  NodePosition node;
  NodeSpread spread;
};

struct ColumnNoise {
  int x = 0;
  double meanStandardDeviation = 0;  // over the column's judged nodes
  int nodes = 0;
};

// What the repeatability report shows, over the VA and KEY nodes of the
// configuration (the nodes a production test judges).
struct RepeatabilitySummary {
  int runs = 0;
  int vaNodes = 0;
  int keyNodes = 0;
  double medianStandardDeviation = 0;
  std::vector<NodeSpreadAt> worstNodes;  // highest standard deviation first, ties in X-major order
  std::vector<ColumnNoise> columns;      // noisiest X column first
  std::array<bool, kNodeCount> judged{};
};

RepeatabilitySummary SummariseRepeatability(const RepeatabilityStats& stats, const TestParameters& parameters,
                                            std::size_t worstCount);

}  // namespace vn
