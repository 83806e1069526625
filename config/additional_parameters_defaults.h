// The additional-parameters file "Config/AdditionalPara1.ini" as a new
// station gets it: every key the program reads, at the value a missing key
// would read as, except the capacity of the sample list, which is the list's
// size (a capacity of 0 would refuse every golden-sample capture). The file
// is created this way at start-up when it is missing, and so is a file that a
// later write has to create; an existing file is never completed or changed.
#pragma once

#include <string>

#include "platform/profile_document.h"

namespace vn {

// `NumberOfSamplesListMAX` of a new file: all places of the sample list.
inline constexpr int kDefaultSampleListCapacity = 32;

// [BasicParameters] Criterion=0, BasicParametersFullDirectory=;
// [TestStandards] the five deviation keys =0;
// [SampleInformation] NumberOfSamplesListMAX=32, NumberOfSamplesListed=0.
ProfileDocument DefaultAdditionalParameters();

// Loads the file; a missing file gives the defaults above (status Missing),
// an unreadable one an empty document that must not be saved over it.
ProfileLoadResult LoadAdditionalParameters(const std::string& path);

// Writes the default file when none exists. True when the file exists
// afterwards (also when it was there already); an existing file is left as it stands.
bool CreateAdditionalParametersIfMissing(const std::string& appDirectory);

}  // namespace vn
