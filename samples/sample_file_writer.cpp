#include "samples/sample_file_writer.h"

#include "samples/area_statistics.h"
#include "samples/sample_file_name.h"
#include "samples/sample_messages.h"
#include "samples/sample_nodes.h"
#include "samples/sample_paths.h"
#include "samples/sample_template.h"
#include "samples/sample_text.h"

namespace vn {

namespace {

void WriteHeader(ProfileDocument& file, const SampleRecord& record, const TestParameters& p) {
  const auto put = [&](const char* key, const std::string& value) {
    file.WriteString(kSampleConfigurationSection, key, value);
  };
  put("Time", record.time);
  put("Source", std::to_string(record.source));
  put("x_channel_valid", std::to_string(p.x_channel_valid));
  put("y_channel_valid", std::to_string(p.y_channel_valid));
  put("display_area_x", FlagListText(p.display_area_x));
  put("display_area_y", FlagListText(p.display_area_y));
  put("test_va_area_x", FlagListText(p.test_va_area_x));
  put("test_va_area_y", FlagListText(p.test_va_area_y));
  put("test_key_area_x", FlagListText(p.test_key_area_x));
  put("test_key_area_y", FlagListText(p.test_key_area_y));
}

void WriteRows(ProfileDocument& file, const TestParameters& p, const SampleValues& values) {
  for (std::size_t y = 0; y < SampleYChannels(p); ++y)
    file.WriteString(kSampleContextSection, SampleRowKey(y), SampleRowText(p, values, y));
}

void WriteStatistics(ProfileDocument& file, const AreaStatistics& s) {
  const auto put = [&](const char* key, const std::string& value) {
    file.WriteString(kSampleConfigurationSection, key, value);
  };
  put("VAaverage", std::to_string(s.VAaverage));
  put("VAmax", std::to_string(s.VAmax));
  put("VAmin", std::to_string(s.VAmin));
  put("KEYaverage", std::to_string(s.KEYaverage));
  put("KEYmax", std::to_string(s.KEYmax));
  put("KEYmin", std::to_string(s.KEYmin));
}

}  // namespace

SampleWriteResult WriteSampleFile(const SampleFolders& folders, const TestParameters& parameters,
                                  const SampleValues& values, std::uint8_t source, const SampleTime& time,
                                  const WriteFaultHook& fault) {
  SampleWriteResult result;
  const std::optional<std::string> path = NewSampleFilePath(folders.sampleWorkDirectory, time);
  if (!path) {
    result.status = SampleWriteStatus::NoFreeName;
    result.message = FileWriteFailedMessage(folders.sampleWorkDirectory);
    return result;
  }
  SampleRecord& record = result.record;
  record.path = *path;
  record.time = SampleTimeValue(time);
  record.source = source;
  static_cast<AreaStatistics&>(record) = ComputeAreaStatistics(parameters, values);

  ProfileDocument file = SampleDocumentFromTemplate(folders.appDirectory);
  WriteHeader(file, record, parameters);
  WriteRows(file, parameters, values);
  WriteStatistics(file, record);
  if (!file.Save(record.path, fault)) {
    result.status = SampleWriteStatus::SaveFailed;
    result.message = FileWriteFailedMessage(record.path);
    return result;
  }
  result.status = SampleWriteStatus::Written;
  return result;
}

SampleWriteResult WriteCapturedSample(const MainWindowState& state, const SampleTime& time) {
  return WriteSampleFile({state.appDirectory, state.sampleWorkDirectory}, state.testParameters,
                         ToSampleValues(state.run.measuredValues), kSampleSourceCaptured, time);
}

SampleWriteResult WriteAverageSample(const MainWindowState& state, const SampleValues& averaged,
                                     const SampleTime& time) {
  return WriteSampleFile({state.appDirectory, state.sampleWorkDirectory}, state.testParameters, averaged,
                         kSampleSourceAveraged, time);
}

}  // namespace vn
