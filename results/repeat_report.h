// The repeatability figures as terminal text and as a self-contained HTML
// page with a noise heatmap (standard deviation per node).
#pragma once

#include <string>

#include "results/repeatability.h"

namespace vn {

inline constexpr std::size_t kRepeatWorstNodes = 10;
inline constexpr std::size_t kRepeatColumnsShown = 5;

// "runs: 10", the node counts, the median and highest standard deviation,
// the worst nodes ("X 7 Y 12: mean 23456.7  std 461.2  range 1540") and the
// noisiest X columns.
std::string RepeatSummaryText(const RepeatabilitySummary& summary);

std::string RepeatHtml(const RepeatabilitySummary& summary, const RepeatabilityStats& stats);

}  // namespace vn
