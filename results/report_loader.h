// Reads the JSON-lines records of the days in a range into report figures.
// A line that is not a film record is skipped and counted, never fatal.
#pragma once

#include <string>

#include "results/record_files.h"
#include "results/report_data.h"

namespace vn {

struct ReportLoad {
  bool ok = false;  // false: the folder cannot be read
  ReportData data;
};

// With trends, the judged films' process trends are gathered into it as well.
ReportLoad LoadReport(const std::string& folder, const DayRange& range,
                      std::optional<ProcessTrends> trends = std::nullopt);

// Adds every line of one file; false when the file cannot be opened.
bool AddRecordFile(ReportData& data, const std::string& path);

}  // namespace vn
