#include "samples/sample_paths.h"

#include "platform/paths.h"

namespace vn {

namespace {

std::string ConfigFile(const std::string& appDirectory, const std::string& name) {
  return JoinPath(JoinPath(appDirectory, "Config"), name);
}

}  // namespace

std::string SampleRowKey(std::size_t y) { return "Y" + std::to_string(y); }

std::string SampleTemplatePath(const std::string& appDirectory) {
  return ConfigFile(appDirectory, "SampleTemplate.ini");
}

std::string SampleLowLimitFilePath(const std::string& appDirectory) {
  return ConfigFile(appDirectory, "SampleRawDataLow.ini");
}

std::string SampleHighLimitFilePath(const std::string& appDirectory) {
  return ConfigFile(appDirectory, "SampleRawDataHigh.ini");
}

std::string SampleSettingsPath(const std::string& appDirectory) {
  return ConfigFile(appDirectory, "AdditionalPara1.ini");
}

}  // namespace vn
