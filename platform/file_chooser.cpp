#include "platform/file_chooser.h"

namespace vn {

namespace {

std::size_t LastSeparator(const std::string& path) { return path.find_last_of("/\\"); }

}  // namespace

std::vector<FileFilterEntry> ParseFileFilter(const std::string& filter) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= filter.size()) {
    const std::size_t bar = filter.find('|', start);
    const std::size_t end = bar == std::string::npos ? filter.size() : bar;
    parts.push_back(filter.substr(start, end - start));
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
  std::vector<FileFilterEntry> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].empty() || parts[i + 1].empty()) break;  // "||" ends the filter
    entries.push_back({parts[i], parts[i + 1]});
  }
  return entries;
}

std::string FileNameOfPath(const std::string& path) {
  const std::size_t separator = LastSeparator(path);
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string FolderOfPath(const std::string& path) {
  const std::size_t separator = LastSeparator(path);
  return separator == std::string::npos ? std::string() : path.substr(0, separator);
}

}  // namespace vn
