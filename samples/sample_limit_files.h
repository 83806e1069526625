// The two record files of the limits in use, rewritten whenever a sample is
// put into use: "Config\SampleRawDataLow.ini" with the lower limits, then
// "Config\SampleRawDataHigh.ini" with the upper ones. Each holds, in section
// `Sample_Context`, the rows Y0 .. Y51 of 32 tokens (x = 0 .. 31), zeros
// included, whatever the channel counts. Other content of an existing file
// stays; a file that exists but cannot be read is left alone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/atomic_file.h"
#include "config/operator_message.h"
#include "samples/sample_limits.h"

namespace vn {

// Row y of one limit array: for x = 0 .. 31 the limit right-aligned in five
// characters and a comma; a limit of more than five characters is written
// whole ("-12345,").
std::string LimitRowText(const std::array<std::int32_t, kNodeCount>& limits, std::size_t y);

struct LimitFilesResult {
  bool ok = false;
  OperatorMessage message;  // names the first file that could not be written
};

// Stops at the first file that cannot be written.
LimitFilesResult WriteSampleLimitFiles(const std::string& appDirectory, const SampleLimits& limits,
                                       const WriteFaultHook& fault = {});

}  // namespace vn
