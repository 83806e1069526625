#include "results/verification.h"

#include <algorithm>
#include <cstdlib>

#include "engine/margin.h"
#include "samples/sample_row_reader.h"

namespace vn {

std::optional<ReferenceTolerance> ParseReferenceTolerance(std::string_view text) {
  const bool percent = text.rfind("pct:", 0) == 0;
  if (!percent && text.rfind("abs:", 0) != 0) return std::nullopt;
  const std::optional<MethodAmount> parsed = SplitMethodAmount(text, percent ? 100 : 65535);
  if (!parsed) return std::nullopt;
  return ReferenceTolerance{percent, parsed->amount};
}

std::string ReferenceToleranceText(const ReferenceTolerance& tolerance) {
  return (tolerance.percent ? "pct:" : "abs:") + std::to_string(tolerance.amount);
}

std::int64_t AllowedDrift(const ReferenceTolerance& tolerance, std::int64_t reference) {
  if (!tolerance.percent) return tolerance.amount;
  return std::llabs(reference) * tolerance.amount / 100;
}

VerificationResult CompareWithReference(const std::vector<ReferenceNode>& reference, const NodeMatrix& measured,
                                        const ReferenceTolerance& tolerance) {
  VerificationResult result;
  double driftSum = 0;
  for (const ReferenceNode& r : reference) {
    const std::int64_t value = measured.At(r.node.x, r.node.y);
    const DriftedNode node{r.node, r.area, r.value, value, value - r.value, AllowedDrift(tolerance, r.value)};
    ++result.comparedNodes;
    driftSum += double(node.drift);
    if (!result.largestDrift || std::llabs(node.drift) > std::llabs(result.largestDrift->drift))
      result.largestDrift = node;
    if (std::llabs(node.drift) > node.allowed) result.drifted.push_back(node);
  }
  if (result.comparedNodes > 0) result.meanDrift = driftSum / result.comparedNodes;
  return result;
}

ReferenceLoad LoadReferenceNodes(const std::string& path, const TestParameters& parameters) {
  ReferenceLoad load;
  const ProfileLoadStatus status = ReadSampleRows(path, parameters, [&](std::uint8_t x, std::uint8_t y, std::int32_t v) {
    load.nodes.push_back({{x, y}, ClassifyNode(parameters, x, y), v});
  });
  if (status == ProfileLoadStatus::Missing) {
    load.error = "the reference sample " + path + " does not exist";
  } else if (status == ProfileLoadStatus::Unreadable) {
    load.error = "the reference sample " + path + " cannot be read";
  } else if (load.nodes.empty()) {
    load.error = "the reference sample " + path + " holds no VA or KEY node of this configuration";
  } else {
    load.ok = true;
  }
  // The file holds rows of Y channels; the comparison lists nodes in X-major order.
  std::sort(load.nodes.begin(), load.nodes.end(), [](const ReferenceNode& a, const ReferenceNode& b) {
    return NodeIndex(a.node.x, a.node.y) < NodeIndex(b.node.x, b.node.y);
  });
  return load;
}

}  // namespace vn
