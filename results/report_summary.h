// The report's figures as lines of text for the terminal.
#pragma once

#include <string>

#include "results/report_data.h"

namespace vn {

inline constexpr std::size_t kReportedNodes = 10;

// "films: 10", "PASS: 7", "NG: 3", "aborted: 1", "yield: 70.00%", the yield
// by hour, the NG reasons ranked and the nodes that failed most ("X 5 Y 7: 5").
std::string ReportSummaryText(const ReportData& data);

// "70.00%".
std::string PercentText(double percent);

}  // namespace vn
