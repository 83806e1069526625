#include "platform/file_readable.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace vn {

bool FileReadable(const std::string& path) {
  if (path.empty()) return false;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  return file.is_open();
}

}  // namespace vn
