#include "samples/sample_settings_file.h"

#include "config/additional_parameters_defaults.h"
#include "samples/sample_messages.h"
#include "samples/sample_paths.h"

namespace vn {

namespace {

constexpr char kBasicParameters[] = "BasicParameters";
constexpr char kTestStandards[] = "TestStandards";
constexpr char kSampleInformation[] = "SampleInformation";

SampleSettings SettingsFrom(const ProfileDocument& file) {
  SampleSettings s;
  DeviationSettings& d = s.deviation;
  d.DeviationMethod = file.ReadInt(kTestStandards, "DeviationMethod");
  d.AbsoluteDeviationNegative = file.ReadInt(kTestStandards, "AbsoluteDeviationNegative");
  d.AbsoluteDeviationPositive = file.ReadInt(kTestStandards, "AbsoluteDeviationPositive");
  d.RelativeDeviationNegative = static_cast<std::uint8_t>(file.ReadInt(kTestStandards, "RelativeDeviationNegative"));
  d.RelativeDeviationPositive = static_cast<std::uint8_t>(file.ReadInt(kTestStandards, "RelativeDeviationPositive"));
  s.NumberOfSamplesListMAX = file.ReadInt(kSampleInformation, "NumberOfSamplesListMAX");
  s.NumberOfSamplesListed = file.ReadInt(kSampleInformation, "NumberOfSamplesListed");
  return s;
}

bool WriteKeys(ProfileDocument& file, const SampleSettings& s, const std::string& configFilePath) {
  const DeviationSettings& d = s.deviation;
  bool written = file.WriteString(kBasicParameters, "BasicParametersFullDirectory", configFilePath);
  const auto put = [&](const char* section, const char* key, std::int64_t value) {
    written = file.WriteString(section, key, std::to_string(value)) && written;
  };
  put(kTestStandards, "DeviationMethod", d.DeviationMethod);
  put(kTestStandards, "AbsoluteDeviationNegative", d.AbsoluteDeviationNegative);
  put(kTestStandards, "AbsoluteDeviationPositive", d.AbsoluteDeviationPositive);
  put(kTestStandards, "RelativeDeviationNegative", d.RelativeDeviationNegative);
  put(kTestStandards, "RelativeDeviationPositive", d.RelativeDeviationPositive);
  put(kSampleInformation, "NumberOfSamplesListed", s.NumberOfSamplesListed);
  return written;
}

}  // namespace

SampleSettingsReadResult ReadSampleSettings(const std::string& appDirectory) {
  const std::string path = SampleSettingsPath(appDirectory);
  const ProfileLoadResult loaded = ProfileDocument::Load(path);
  SampleSettingsReadResult result;
  result.status = loaded.status;
  if (!result.ok()) {
    result.message = FileOpenFailedMessage(path);
    return result;
  }
  result.settings = SettingsFrom(loaded.document);
  result.BasicParametersFullDirectory = loaded.document.ReadString(kBasicParameters, "BasicParametersFullDirectory");
  return result;
}

SampleSettingsWriteResult WriteSampleSettings(const std::string& appDirectory, const SampleSettings& settings,
                                              const std::string& configFilePath, const WriteFaultHook& fault) {
  const std::string path = SampleSettingsPath(appDirectory);
  ProfileLoadResult loaded = LoadAdditionalParameters(path);  // a new file carries every key
  if (loaded.status == ProfileLoadStatus::Unreadable) return {false, FileOpenFailedMessage(path)};
  // A key that cannot be stored (a path with a line break) is left out; the others are still saved.
  const bool allKeys = WriteKeys(loaded.document, settings, configFilePath);
  if (!loaded.document.Save(path, fault)) return {false, FileWriteFailedMessage(path)};
  if (!allKeys) return {false, FileWriteFailedMessage(path)};
  return {true, {}};
}

}  // namespace vn
