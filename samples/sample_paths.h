// Where the golden-sample files live and the names inside them.
#pragma once

#include <cstddef>
#include <string>

namespace vn {

// Sections and keys of a sample file.
inline constexpr char kSampleConfigurationSection[] = "Sample_Configuration";
inline constexpr char kSampleContextSection[] = "Sample_Context";

// "Y0" .. "Y51": the key of the row of Y channel y.
std::string SampleRowKey(std::size_t y);

// The file every new sample starts from: <appDirectory>/Config/SampleTemplate.ini.
std::string SampleTemplatePath(const std::string& appDirectory);

// The records of the limits of the sample last put into use:
// <appDirectory>/Config/SampleRawDataLow.ini and .../SampleRawDataHigh.ini.
std::string SampleLowLimitFilePath(const std::string& appDirectory);
std::string SampleHighLimitFilePath(const std::string& appDirectory);

// The additional-parameters file that keeps the sample dialog's settings:
// <appDirectory>/Config/AdditionalPara1.ini.
std::string SampleSettingsPath(const std::string& appDirectory);

}  // namespace vn
