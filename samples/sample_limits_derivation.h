// Turning a sample file into the per-node limits of the sample-deviation
// judgement. Only the VA and KEY display nodes of the configuration in force
// get limits; every other entry is 0.
#pragma once

#include <cstdint>
#include <string>

#include "config/operator_message.h"
#include "config/test_parameters.h"
#include "platform/profile_document.h"
#include "samples/deviation_settings.h"
#include "samples/sample_limits.h"

namespace vn {

struct NodeLimits {
  std::int32_t lower = 0;
  std::int32_t upper = 0;
  friend bool operator==(const NodeLimits&, const NodeLimits&) = default;
};

// Absolute: v - negative .. v + positive. Percentage: v * (100 - negative) / 100
// .. v * (100 + positive) / 100, in double precision, truncated toward zero.
// A limit beyond the 32-bit range is held at the range's end.
NodeLimits LimitsForSampleValue(std::int32_t value, const DeviationSettings& settings);

struct SampleLimitsResult {
  ProfileLoadStatus status = ProfileLoadStatus::Missing;
  SampleLimits limits;      // all 0 unless the file was read
  OperatorMessage message;  // when the file cannot be read

  bool ok() const { return status == ProfileLoadStatus::Loaded; }
};

// A sample file that cannot be read gives no limits: the caller keeps the
// ones in force instead of judging every film against zeros.
SampleLimitsResult DeriveSampleLimits(const std::string& path, const TestParameters& parameters,
                                      const DeviationSettings& settings);

}  // namespace vn
