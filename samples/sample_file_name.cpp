#include "samples/sample_file_name.h"

#include "platform/paths.h"

namespace vn {

namespace {

constexpr int kLastSuffix = 9999;

}  // namespace

std::optional<std::string> NewSampleFilePath(const std::string& directory, const SampleTime& time) {
  const std::string stamp = SampleFileStamp(time);
  const std::string first = JoinPath(directory, stamp + ".ini");
  if (!FileExists(first)) return first;
  for (int suffix = 2; suffix <= kLastSuffix; ++suffix) {
    const std::string candidate = JoinPath(directory, stamp + "-" + std::to_string(suffix) + ".ini");
    if (!FileExists(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace vn
