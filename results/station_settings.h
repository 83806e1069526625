// The station's own settings, "Config/Station.ini" under the working
// directory, section [Station]. Every key is optional and a missing file means
// every feature it governs is off:
//   Margin = pct:N | abs:N | off      marginal nodes (see engine/margin.h)
//   ReferenceSample = FILE            the reference film's sample file
//   ReferenceTolerance = abs:N | pct:N  how far a node may read from it
//   VerificationIntervalHours = N     a passed verification is required every N hours (0 off)
#pragma once

#include <string>

#include "engine/margin.h"

namespace vn {

struct StationSettings {
  MarginSetting margin;
  std::string referenceSample;
  std::string referenceTolerance;  // as written; checked where it is used
  int verificationIntervalHours = 0;
};

struct StationSettingsLoad {
  bool ok = true;
  std::string error;  // the file and the key that cannot be read, in the engineer's words
  StationSettings settings;
};

std::string StationSettingsPath(const std::string& appDirectory);

StationSettingsLoad LoadStationSettings(const std::string& appDirectory);

}  // namespace vn
