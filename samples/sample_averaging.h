// The node-by-node average of several sample files, as "生成平均样本"
// computes it before writing the average sample. Every file weighs the same:
// a VA or KEY display node gets the sum of its values divided by the number
// of files, truncated toward zero (a node missing from a file adds 0 and
// still counts); an other display node gets 0.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "config/operator_message.h"
#include "config/test_parameters.h"
#include "samples/sample_values.h"

namespace vn {

inline constexpr std::size_t kFewestSamplesForAverage = 3;

struct SampleAverageResult {
  bool ok = false;
  SampleValues values;      // the averaged values; 0 at nodes the files do not speak about
  OperatorMessage message;  // why nothing was averaged
};

// Refused with the dialog's "至少3个" message for fewer than three files, and
// with the file's open-failure message when one of them cannot be read
// (a vanished file would otherwise drag every node towards zero).
SampleAverageResult AverageSamples(const std::vector<std::string>& paths, const TestParameters& parameters);

}  // namespace vn
