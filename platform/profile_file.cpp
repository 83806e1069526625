#include "platform/profile_file.h"

#include "platform/profile_document.h"

namespace vn {

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue) {
  return ProfileDocument::Load(path).document.ReadString(section, key, defaultValue);
}

std::int32_t ReadProfileInt(const std::string& path, std::string_view section, std::string_view key,
                            std::int32_t defaultValue) {
  return ProfileDocument::Load(path).document.ReadInt(section, key, defaultValue);
}

ProfileWriteResult WriteProfileString(const std::string& path, std::string_view section,
                                      std::string_view key, std::string_view value,
                                      const WriteFaultHook& fault) {
  ProfileWriteResult result;
  ProfileLoadResult loaded = ProfileDocument::Load(path);
  if (loaded.status == ProfileLoadStatus::Unreadable) {
    result.status = ProfileWriteStatus::FileUnreadable;
    return result;
  }
  if (!loaded.document.WriteString(section, key, value)) {
    result.status = ProfileWriteStatus::Refused;
    return result;
  }
  const AtomicWriteResult saved = loaded.document.Save(path, fault);
  result.status = saved ? ProfileWriteStatus::Written : ProfileWriteStatus::SaveFailed;
  result.systemMessage = saved.systemMessage;
  return result;
}

}  // namespace vn
