#include "config/additional_parameters_defaults.h"

#include "config/criterion_setting.h"
#include "platform/paths.h"

namespace vn {

ProfileDocument DefaultAdditionalParameters() {
  ProfileDocument file;
  file.WriteString("BasicParameters", "Criterion", "0");
  file.WriteString("BasicParameters", "BasicParametersFullDirectory", "");
  for (const char* key : {"DeviationMethod", "AbsoluteDeviationNegative", "AbsoluteDeviationPositive",
                          "RelativeDeviationNegative", "RelativeDeviationPositive"})
    file.WriteString("TestStandards", key, "0");
  file.WriteString("SampleInformation", "NumberOfSamplesListMAX", std::to_string(kDefaultSampleListCapacity));
  file.WriteString("SampleInformation", "NumberOfSamplesListed", "0");
  return file;
}

ProfileLoadResult LoadAdditionalParameters(const std::string& path) {
  ProfileLoadResult loaded = ProfileDocument::Load(path);
  if (loaded.status == ProfileLoadStatus::Missing) loaded.document = DefaultAdditionalParameters();
  return loaded;
}

bool CreateAdditionalParametersIfMissing(const std::string& appDirectory) {
  const std::string path = AdditionalParametersPath(appDirectory);
  if (FileExists(path)) return true;
  return static_cast<bool>(DefaultAdditionalParameters().Save(path));
}

}  // namespace vn
