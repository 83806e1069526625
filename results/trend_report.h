// The process-trend part of a report: terminal lines and the HTML section
// (trend chart, Cpk per day, mean shift from the golden sample as a heatmap).
#pragma once

#include <string>

#include "results/process_trends.h"

namespace vn {

// "process trends: 40 films under CONFIG", the Cpk per day and the largest mean shifts.
std::string TrendSummaryText(const ProcessTrends& trends);

std::string TrendSectionHtml(const ProcessTrends& trends);

// The fill of a mean-shift cell: white for none, deeper red above and deeper
// blue below the golden sample, relative to the largest shift either way.
std::string ShiftColour(double shift, double largest);

}  // namespace vn
