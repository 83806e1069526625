#include "samples/sample_header_reader.h"

#include "samples/sample_messages.h"
#include "samples/sample_paths.h"

namespace vn {

SampleHeaderResult ReadSampleHeader(const std::string& path) {
  const ProfileLoadResult loaded = ProfileDocument::Load(path);
  const ProfileDocument& file = loaded.document;
  const auto number = [&](const char* key) { return file.ReadInt(kSampleConfigurationSection, key); };

  SampleHeaderResult result;
  result.status = loaded.status;
  if (!result.ok()) result.message = FileOpenFailedMessage(path);
  SampleRecord& record = result.record;
  record.path = path;
  record.time = file.ReadString(kSampleConfigurationSection, "Time");
  record.source = kSampleSourceImported;
  record.VAaverage = number("VAaverage");
  record.VAmax = static_cast<std::uint32_t>(number("VAmax"));
  record.VAmin = static_cast<std::uint32_t>(number("VAmin"));
  record.KEYaverage = number("KEYaverage");
  record.KEYmax = static_cast<std::uint32_t>(number("KEYmax"));
  record.KEYmin = static_cast<std::uint32_t>(number("KEYmin"));
  return result;
}

}  // namespace vn
