// Reference film verification: the station's reference film (a golden
// sample file) tested again and every VA and KEY node compared with its
// sample value under a tolerance tighter than the production limits. A node
// that reads further from its sample value than the tolerance has drifted:
// the fixture or the board no longer measures as it did.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/test_parameters.h"
#include "engine/node_judgement.h"

namespace vn {

struct ReferenceTolerance {
  bool percent = false;    // true: a share of the node's reference value
  std::int64_t amount = 0;  // raw value 1..65535, or percent 1..100
};

inline constexpr char kToleranceUsage[] = "abs:N (N 1..65535) or pct:N (N 1..100, percent of the reference value)";

// "abs:300" or "pct:2"; nullopt for anything else.
std::optional<ReferenceTolerance> ParseReferenceTolerance(std::string_view text);
std::string ReferenceToleranceText(const ReferenceTolerance& tolerance);

// How far a node may read from a reference value; a percentage is truncated.
std::int64_t AllowedDrift(const ReferenceTolerance& tolerance, std::int64_t reference);

struct ReferenceNode {
  NodePosition node;
  NodeArea area = NodeArea::Visible;
  std::int32_t value = 0;
};

struct DriftedNode {
  NodePosition node;
  NodeArea area = NodeArea::Visible;
  std::int64_t reference = 0;
  std::int64_t measured = 0;
  std::int64_t drift = 0;  // measured - reference
  std::int64_t allowed = 0;
};

struct VerificationResult {
  int comparedNodes = 0;
  double meanDrift = 0;                     // signed, over the compared nodes
  std::optional<DriftedNode> largestDrift;  // the node furthest from its reference, drifted or not
  std::vector<DriftedNode> drifted;         // in X-major order
  bool passed() const { return comparedNodes > 0 && drifted.empty(); }
};

VerificationResult CompareWithReference(const std::vector<ReferenceNode>& reference, const NodeMatrix& measured,
                                        const ReferenceTolerance& tolerance);

struct ReferenceLoad {
  bool ok = false;
  std::string error;  // in the engineer's words
  std::vector<ReferenceNode> nodes;
};

// The VA and KEY display nodes of the sample file under the configuration in force.
ReferenceLoad LoadReferenceNodes(const std::string& path, const TestParameters& parameters);

}  // namespace vn
