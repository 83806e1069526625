#include "config/criterion_setting.h"

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

bool WriteCriterionSetting(const std::string& appDirectory, int criterion) {
  return static_cast<bool>(
      WriteProfileString(AdditionalParametersPath(appDirectory), kSection, kKey, std::to_string(criterion)));
}

}  // namespace vn
