#include "samples/sample_limits_derivation.h"

#include <cmath>
#include <limits>

#include "samples/sample_messages.h"
#include "samples/sample_row_reader.h"

namespace vn {

namespace {

constexpr double kLowest = std::numeric_limits<std::int32_t>::min();
constexpr double kHighest = std::numeric_limits<std::int32_t>::max();

std::int32_t HeldToRange(double limit) {
  if (limit <= kLowest) return std::numeric_limits<std::int32_t>::min();
  if (limit >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::trunc(limit));
}

double Percent(std::int32_t value, int percent) {
  return static_cast<double>(value) * static_cast<double>(percent) / 100.0;
}

}  // namespace

NodeLimits LimitsForSampleValue(std::int32_t value, const DeviationSettings& s) {
  if (s.DeviationMethod == kAbsoluteDeviation) {
    // Sums of two 32-bit numbers are exact in double.
    return {HeldToRange(static_cast<double>(value) - s.AbsoluteDeviationNegative),
            HeldToRange(static_cast<double>(value) + s.AbsoluteDeviationPositive)};
  }
  return {HeldToRange(Percent(value, 100 - s.RelativeDeviationNegative)),
          HeldToRange(Percent(value, 100 + s.RelativeDeviationPositive))};
}

SampleLimitsResult DeriveSampleLimits(const std::string& path, const TestParameters& parameters,
                                      const DeviationSettings& settings) {
  SampleLimitsResult result;
  SampleLimits& limits = result.limits;
  result.status = ReadSampleRows(path, parameters, [&](std::uint8_t x, std::uint8_t y, std::int32_t value) {
    const NodeLimits node = LimitsForSampleValue(value, settings);
    limits.lower[NodeIndex(x, y)] = node.lower;
    limits.upper[NodeIndex(x, y)] = node.upper;
  });
  if (!result.ok()) {
    result.limits = {};
    result.message = FileOpenFailedMessage(path);
  }
  return result;
}

}  // namespace vn
