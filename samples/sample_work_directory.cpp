#include "samples/sample_work_directory.h"

#include <filesystem>
#include <system_error>

namespace vn {

namespace fs = std::filesystem;

std::size_t DeleteSampleFiles(const std::string& sampleWorkDirectory) {
  std::error_code error;
  std::size_t deleted = 0;
  for (fs::directory_iterator it(sampleWorkDirectory, error), end; !error && it != end; it.increment(error)) {
    std::error_code fileError;
    if (!it->is_regular_file(fileError) || it->path().extension() != ".ini") continue;
    if (fs::remove(it->path(), fileError)) ++deleted;
  }
  return deleted;
}

}  // namespace vn
