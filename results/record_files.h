// The day files of a results folder ("results-YYYYMMDD.jsonl") whose day
// lies in a range, oldest first.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vn {

// Days as the number YYYYMMDD; an empty end is open.
struct DayRange {
  std::optional<int> from;
  std::optional<int> to;
  bool Contains(int day) const { return (!from || day >= *from) && (!to || day <= *to); }
};

// "2024-05-01" as 20240501; nullopt for anything but a real calendar day.
std::optional<int> ParseIsoDay(const std::string& text);

// The day of "results-YYYYMMDD.jsonl"; nullopt for any other name.
std::optional<int> RecordFileDay(const std::string& fileName);

struct RecordFileList {
  bool ok = false;  // false: the folder cannot be read
  std::vector<std::string> paths;
};

RecordFileList RecordFilesInRange(const std::string& folder, const DayRange& range);

}  // namespace vn
