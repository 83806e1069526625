// The figures of a report over many film records: films, PASS, NG (an
// aborted film shows NG and counts as one), the yield by hour, the NG
// reasons and how often each node failed.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "results/process_trends.h"
#include "results/record_summary.h"

namespace vn {

struct FilmTally {
  int films = 0;
  int passed = 0;
  int marginChecked = 0;  // films whose records say whether nodes were marginal
  int marginal = 0;       // of those, PASS films with at least one marginal node
};

struct ReportData {
  FilmTally total;
  int aborted = 0;
  int skippedLines = 0;  // lines that were not film records
  int sampleCaptures = 0;  // records of golden-sample captures, left out of the films
  int files = 0;
  std::map<std::string, FilmTally> byHour;  // "YYYY-MM-DD hh"
  std::map<std::string, int> reasons;       // films per NG reason
  std::array<int, kNodeCount> nodeFailures{};  // films in which the node failed, index 52 x + y
  std::array<int, kNodeCount> nodeMarginals{};  // films in which the node was marginal
  std::optional<ProcessTrends> trends;          // only when the report was given a configuration
};

void AddRecord(ReportData& data, const RecordSummary& record);

// The reasons one film failed, each once: "aborted", "self test: " + the
// fault text up to its first comma, "VA out of range", "KEY out of range",
// "difference"; "other" for an NG film that names none of them.
std::vector<std::string> NgReasons(const RecordSummary& record);

// PASS films per film, in percent; 0 without films.
double YieldPercent(const FilmTally& tally);
// Marginal PASS films per film looked at for marginal nodes, in percent; 0 without such films.
double MarginalPercent(const FilmTally& tally);
// Whether any record of the report looked for marginal nodes (the report
// shows its marginal figures only then).
bool HasMarginData(const ReportData& data);

struct Ranked {
  std::string name;
  int count = 0;
};
// Most frequent first, ties by name.
std::vector<Ranked> RankedReasons(const ReportData& data);

struct NodeCount {
  NodePosition node;
  int count = 0;
};
// The nodes with the highest counts (none with 0), at most limit of them,
// ties in X-major order.
std::vector<NodeCount> RankedNodes(const std::array<int, kNodeCount>& counts, std::size_t limit);
// The nodes that failed most.
std::vector<NodeCount> MostFailedNodes(const ReportData& data, std::size_t limit);
// The nodes most often marginal.
std::vector<NodeCount> MostMarginalNodes(const ReportData& data, std::size_t limit);

}  // namespace vn
