// Marginal nodes: a VA or KEY node whose value passed but lies within a
// margin of one of its limits, an early warning that films are drifting
// towards failing. The margin is off unless the station sets one, and it
// never changes a verdict.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/node_judgement.h"

namespace vn {

enum class MarginKind {
  Off,       // no node is marginal
  Percent,   // the margin is a share of the node's limit range (upper - lower)
  Absolute,  // the margin is a fixed amount of raw value
};

struct MarginSetting {
  MarginKind kind = MarginKind::Off;
  std::int64_t amount = 0;  // percent 1..50, or raw value 1..65535
  bool enabled() const { return kind != MarginKind::Off; }
  friend bool operator==(const MarginSetting&, const MarginSetting&) = default;
};

inline constexpr char kMarginUsage[] = "pct:N (N 1..50, percent of the limit range) or abs:N (N 1..65535)";

// "name:N" split into the name and N, a whole number from 1 to most written
// with digits only; nullopt for anything else. The settings "pct:10" and
// "abs:500" are read with it.
struct MethodAmount {
  std::string_view method;
  std::int64_t amount = 0;
};
std::optional<MethodAmount> SplitMethodAmount(std::string_view text, std::int64_t most);

// "pct:10", "abs:500" or "off"; nullopt for anything else.
std::optional<MarginSetting> ParseMarginSetting(std::string_view text);
// The text ParseMarginSetting reads back.
std::string MarginSettingText(const MarginSetting& margin);

// The width of the band next to each limit, inside [lower, upper]; a
// percentage is truncated towards zero.
std::int64_t MarginBand(const MarginSetting& margin, std::int64_t lower, std::int64_t upper);

// True when the value passes (lower <= value <= upper) and lies at most the
// band away from one of the limits.
bool ValueInMargin(const MarginSetting& margin, std::int64_t value, const JudgedLimits& limits);

// The rule for one node of a judged area; Outside and Untested nodes are never marginal.
bool NodeValueMarginal(const ValueBasis& basis, const MarginSetting& margin, NodeArea area, std::uint8_t x,
                       std::uint8_t y, std::int64_t value);

// Every marginal node of the film in X-major order; none with the margin off.
std::vector<NodePosition> MarginalValues(const ValueBasis& basis, const MarginSetting& margin,
                                         const NodeMatrix& measured);

}  // namespace vn
