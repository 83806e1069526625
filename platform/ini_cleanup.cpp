#include "platform/ini_cleanup.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/profile_line.h"

namespace vn {

namespace fs = std::filesystem;

namespace {

// The matching files are collected first, so deleting never disturbs the listing.
std::vector<fs::path> ListIniFiles(const fs::path& folder, bool& listed) {
  std::vector<fs::path> files;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  listed = !error;
  for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code kindError;
    if (!entries->is_regular_file(kindError)) continue;
    if (HasIniExtension(entries->path().filename().string())) files.push_back(entries->path());
  }
  return files;
}

}  // namespace

bool HasIniExtension(const std::string& fileName) {
  constexpr std::string_view kExtension = ".ini";
  if (fileName.size() < kExtension.size()) return false;
  return ProfileNamesEqual(std::string_view(fileName).substr(fileName.size() - kExtension.size()),
                           kExtension);
}

IniCleanupResult DeleteIniFiles(const std::string& folder) {
  IniCleanupResult result;
  for (const fs::path& file : ListIniFiles(folder, result.folderListed)) {
    std::error_code error;
    if (fs::remove(file, error)) {
      ++result.deleted;
    } else {
      ++result.failed;
    }
  }
  return result;
}

}  // namespace vn
