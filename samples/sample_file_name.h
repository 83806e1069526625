// The name of a new sample file: the moment of writing, "YYYYMMDDhhmmss.ini",
// in the sample work directory. A name that is already taken (a second sample
// within the same second) gets "-2" before ".ini", then "-3" and so on, so no
// sample ever replaces another.
#pragma once

#include <optional>
#include <string>

#include "samples/sample_time.h"

namespace vn {

// Nothing when every candidate name up to "-9999" is taken.
std::optional<std::string> NewSampleFilePath(const std::string& directory, const SampleTime& time);

}  // namespace vn
