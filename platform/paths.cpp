#include "platform/paths.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vn {

namespace fs = std::filesystem;

std::string CurrentDirectory() {
  std::error_code error;
  const fs::path path = fs::current_path(error);
  return error ? std::string(".") : path.string();
}

std::string TemporaryDirectory() {
#if defined(_WIN32)
  std::error_code error;
  const fs::path path = fs::temp_directory_path(error);
  return error ? std::string("C:\\") : path.string();
#else
  const char* tmp = std::getenv("TMPDIR");
  return tmp != nullptr && *tmp != '\0' ? std::string(tmp) : std::string("/tmp");
#endif
}

std::string DefaultSampleWorkDirectory() {
#if defined(_WIN32)
  return "C:\\TemporarySamples";
#else
  return JoinPath(TemporaryDirectory(), "TemporarySamples");
#endif
}

std::string JoinPath(const std::string& left, const std::string& right) {
  if (left.empty()) return right;
  const char last = left.back();
  if (last == '/' || last == '\\') return left + right;
#if defined(_WIN32)
  return left + "\\" + right;
#else
  return left + "/" + right;
#endif
}

bool EnsureDirectory(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return true;
  fs::create_directories(path, error);
  return fs::is_directory(path, error);
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error);
}

}  // namespace vn
