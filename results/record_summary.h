// What a report needs of one film record, read back from a JSON line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "results/failing_nodes.h"

namespace vn {

struct RecordedFailure {
  NodePosition node;
  FailureKind kind = FailureKind::Value;
  NodeArea area = NodeArea::Visible;
};

struct RecordSummary {
  std::string time;  // "YYYY-MM-DD hh:mm:ss"
  bool passed = false;
  bool judged = true;
  bool sampleCapture = false;  // a golden-sample capture, no production film
  int selfTestPassed = 1;
  std::string selfTestText;
  int differenceNg = 0;
  std::string abortReason;
  std::vector<RecordedFailure> failures;
  // Present when the station looked for marginal nodes: those it found.
  std::optional<std::vector<NodePosition>> marginalNodes;
  // The node values, when the record holds all 1664 of them.
  std::optional<NodeMatrix> measured;
};

// nullopt for a line that is not a film record (not JSON, a field of the
// wrong type, a node outside the matrix).
std::optional<RecordSummary> ParseRecordLine(std::string_view line);

}  // namespace vn
