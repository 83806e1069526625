// The keys of "Config\AdditionalPara1.ini" that belong to the golden
// samples: the deviation rule (section `TestStandards`), the sample list
// settings (section `SampleInformation`) and the path of the configuration
// file in use (`BasicParametersFullDirectory` in section `BasicParameters`).
// Other keys of the file (the judgement basis `Criterion`) are left as they
// stand.
#pragma once

#include <cstdint>
#include <string>

#include "platform/atomic_file.h"
#include "config/operator_message.h"
#include "platform/profile_document.h"
#include "samples/deviation_settings.h"

namespace vn {

struct SampleSettings {
  DeviationSettings deviation;
  std::int32_t NumberOfSamplesListMAX = 0;  // capacity of the sample list; never written
  std::int32_t NumberOfSamplesListed = 0;   // carried from reading to writing unchanged

  friend bool operator==(const SampleSettings&, const SampleSettings&) = default;
};

struct SampleSettingsReadResult {
  ProfileLoadStatus status = ProfileLoadStatus::Missing;
  // From the file, missing keys 0 (the percentages keep the low 8 bits of
  // what is read); the dialog's initial settings when the file cannot be read.
  SampleSettings settings;
  std::string BasicParametersFullDirectory;
  OperatorMessage message;  // 打开文件 "<path> "失败！ when the file cannot be read

  bool ok() const { return status == ProfileLoadStatus::Loaded; }
};

SampleSettingsReadResult ReadSampleSettings(const std::string& appDirectory);

struct SampleSettingsWriteResult {
  bool ok = false;
  OperatorMessage message;
};

// Writes `BasicParametersFullDirectory`, the five deviation keys and
// `NumberOfSamplesListed` as plain decimal text, in one atomic save; the
// file is created when missing and left alone when it exists but cannot be read.
SampleSettingsWriteResult WriteSampleSettings(const std::string& appDirectory, const SampleSettings& settings,
                                              const std::string& configFilePath, const WriteFaultHook& fault = {});

}  // namespace vn
