// The summary values written into every sample file: smallest, largest and
// average value of the VA display nodes and of the KEY display nodes.
#pragma once

#include "config/test_parameters.h"
#include "samples/sample_record.h"
#include "samples/sample_values.h"

namespace vn {

// The starting minimum; a sample without VA nodes keeps it as VAmin.
inline constexpr std::uint32_t kNoSampleMinimum = 0xFFFFFF;  // 16777215

// Comparisons are made on the values as unsigned 32-bit numbers; averages are
// truncated toward zero and 0 for an area without nodes. A sample without KEY
// nodes gets 0 for KEYmin and KEYmax, one without VA nodes keeps VAmin at
// kNoSampleMinimum and VAmax at 0.
AreaStatistics ComputeAreaStatistics(const TestParameters& parameters, const SampleValues& values);

}  // namespace vn
