// Emptying a folder of its profile files: every regular file directly in the
// folder whose name ends in ".ini" (any letter case) is deleted; other files
// and subfolders, and everything inside subfolders, stay.
#pragma once

#include <cstddef>
#include <string>

namespace vn {

struct IniCleanupResult {
  bool folderListed = false;  // false when the folder is missing or cannot be listed
  std::size_t deleted = 0;
  std::size_t failed = 0;  // files that matched but could not be deleted
};

IniCleanupResult DeleteIniFiles(const std::string& folder);

// True for names such as "a.ini" or "B.INI".
bool HasIniExtension(const std::string& fileName);

}  // namespace vn
