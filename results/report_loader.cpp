#include "results/report_loader.h"

#include <fstream>

namespace vn {

bool AddRecordFile(ReportData& data, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    if (const std::optional<RecordSummary> record = ParseRecordLine(line))
      AddRecord(data, *record);
    else
      ++data.skippedLines;
  }
  return true;
}

ReportLoad LoadReport(const std::string& folder, const DayRange& range, std::optional<ProcessTrends> trends) {
  ReportLoad load;
  load.data.trends = std::move(trends);
  const RecordFileList files = RecordFilesInRange(folder, range);
  if (!files.ok) return load;
  for (const std::string& path : files.paths)
    if (AddRecordFile(load.data, path)) ++load.data.files;
  load.ok = true;
  return load;
}

}  // namespace vn
