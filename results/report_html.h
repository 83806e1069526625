// The report as one self-contained HTML page: inline CSS, an inline SVG
// heatmap, no script and nothing fetched from anywhere.
#pragma once

#include <string>

#include "results/report_data.h"

namespace vn {

struct ReportHeading {
  std::string folder;
  std::string from;  // "YYYY-MM-DD", empty for open
  std::string to;
};

std::string ReportHtml(const ReportData& data, const ReportHeading& heading);

}  // namespace vn
