// Putting the one ticked sample into use as the judgement basis
// ("使用选中样本"): its limits are derived under the configuration in force
// and the deviation settings, recorded in the two limit files, and the
// judgement basis is confirmed, which enables Start while the link is up.
#pragma once

#include <string>
#include <vector>

#include "config/operator_message.h"
#include "engine/tester.h"
#include "samples/deviation_settings.h"
#include "samples/sample_record.h"

namespace vn {

struct SampleUseResult {
  bool inUse = false;       // the sample's limits are in force
  OperatorMessage message;  // why not, or that the limit records could not be written
};

// None or more than one ticked path: the dialog's message, nothing changes.
// A sample file that cannot be read: its open-failure message; the limits,
// the record and the readiness stay as they were. Otherwise the record takes
// the path, the tester's sampleLimits are replaced, the limit files written,
// the criterion confirmed as sample deviation and "配置文件正确" logged.
SampleUseResult UseSelectedSample(Tester& tester, SampleRecord& record, const std::vector<std::string>& tickedPaths,
                                  const DeviationSettings& settings);

}  // namespace vn
