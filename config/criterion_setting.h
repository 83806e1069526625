// The judgement basis kept across runs: key `Criterion` in section
// `BasicParameters` of "Config/AdditionalPara1.ini" under the working
// directory. Only the configuration dialog reads it (when it opens) and
// writes it (when it closes); failures are silent, as the profile
// functions are, and a missing file or key reads as 0.
#pragma once

#include <string>

namespace vn {

// <appDirectory>/Config/AdditionalPara1.ini
std::string AdditionalParametersPath(const std::string& appDirectory);

// 0 value range, 1 sample deviation; any stored value other than 1 reads as 0.
int ReadCriterionSetting(const std::string& appDirectory);

// Written as plain decimal text; false when the file could not be written.
bool WriteCriterionSetting(const std::string& appDirectory, int criterion);

}  // namespace vn
