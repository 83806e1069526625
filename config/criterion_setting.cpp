#include "config/criterion_setting.h"

#include "config/additional_parameters_defaults.h"
#include "platform/paths.h"
#include "platform/profile_file.h"

namespace vn {

namespace {

constexpr char kSection[] = "BasicParameters";
constexpr char kKey[] = "Criterion";

}  // namespace

std::string AdditionalParametersPath(const std::string& appDirectory) {
  return JoinPath(JoinPath(appDirectory, "Config"), "AdditionalPara1.ini");
}

int ReadCriterionSetting(const std::string& appDirectory) {
  return ReadProfileInt(AdditionalParametersPath(appDirectory), kSection, kKey, 0) == 1 ? 1 : 0;
}

// A file this write has to create starts as a new station's file, so it
// carries the sample list's capacity too.
bool WriteCriterionSetting(const std::string& appDirectory, int criterion) {
  const std::string path = AdditionalParametersPath(appDirectory);
  ProfileLoadResult loaded = LoadAdditionalParameters(path);
  if (loaded.status == ProfileLoadStatus::Unreadable) return false;
  if (!loaded.document.WriteString(kSection, kKey, std::to_string(criterion))) return false;
  return static_cast<bool>(loaded.document.Save(path));
}

}  // namespace vn
