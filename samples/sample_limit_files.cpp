#include "samples/sample_limit_files.h"

#include "platform/profile_document.h"
#include "samples/sample_messages.h"
#include "samples/sample_paths.h"
#include "samples/sample_text.h"

namespace vn {

namespace {

LimitFilesResult WriteLimitFile(const std::string& path, const std::array<std::int32_t, kNodeCount>& limits,
                                const WriteFaultHook& fault) {
  ProfileLoadResult loaded = ProfileDocument::Load(path);
  if (loaded.status == ProfileLoadStatus::Unreadable) return {false, FileOpenFailedMessage(path)};
  ProfileDocument& file = loaded.document;
  for (std::size_t y = 0; y < kYChannelCount; ++y)
    file.WriteString(kSampleContextSection, SampleRowKey(y), LimitRowText(limits, y));
  if (!file.Save(path, fault)) return {false, FileWriteFailedMessage(path)};
  return {true, {}};
}

}  // namespace

std::string LimitRowText(const std::array<std::int32_t, kNodeCount>& limits, std::size_t y) {
  std::string row;
  for (std::size_t x = 0; x < kXChannelCount; ++x) row += SampleValueToken(limits[NodeIndex(x, y)]);
  return row;
}

LimitFilesResult WriteSampleLimitFiles(const std::string& appDirectory, const SampleLimits& limits,
                                       const WriteFaultHook& fault) {
  const LimitFilesResult low = WriteLimitFile(SampleLowLimitFilePath(appDirectory), limits.lower, fault);
  if (!low.ok) return low;
  return WriteLimitFile(SampleHighLimitFilePath(appDirectory), limits.upper, fault);
}

}  // namespace vn
