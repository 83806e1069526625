#include "results/station_settings.h"

#include <charconv>

#include "platform/paths.h"
#include "platform/profile_document.h"

namespace vn {

namespace {

constexpr char kSection[] = "Station";
constexpr int kMostHours = 24 * 366;

StationSettingsLoad Refused(const std::string& path, const std::string& what) {
  StationSettingsLoad load;
  load.ok = false;
  load.error = path + ": " + what;
  return load;
}

bool ToHours(const std::string& text, int& hours) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, hours);
  return !text.empty() && ec == std::errc() && ptr == end && hours >= 0 && hours <= kMostHours;
}

}  // namespace

std::string StationSettingsPath(const std::string& appDirectory) {
  return JoinPath(JoinPath(appDirectory.empty() ? CurrentDirectory() : appDirectory, "Config"), "Station.ini");
}

StationSettingsLoad LoadStationSettings(const std::string& appDirectory) {
  const std::string path = StationSettingsPath(appDirectory);
  const ProfileLoadResult loaded = ProfileDocument::Load(path);
  if (loaded.status == ProfileLoadStatus::Missing) return {};
  if (loaded.status == ProfileLoadStatus::Unreadable) return Refused(path, "cannot be read");
  const ProfileDocument& file = loaded.document;
  StationSettingsLoad load;
  if (file.HasKey(kSection, "Margin")) {
    const std::optional<MarginSetting> margin = ParseMarginSetting(file.ReadString(kSection, "Margin"));
    if (!margin) return Refused(path, std::string("Margin must be ") + kMarginUsage + " or off");
    load.settings.margin = *margin;
  }
  load.settings.referenceSample = file.ReadString(kSection, "ReferenceSample");
  load.settings.referenceTolerance = file.ReadString(kSection, "ReferenceTolerance");
  if (file.HasKey(kSection, "VerificationIntervalHours") &&
      !ToHours(file.ReadString(kSection, "VerificationIntervalHours"), load.settings.verificationIntervalHours))
    return Refused(path, "VerificationIntervalHours must be a number of hours (0 for off)");
  return load;
}

}  // namespace vn
