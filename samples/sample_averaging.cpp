#include "samples/sample_averaging.h"

#include <array>
#include <cstdint>

#include "samples/sample_messages.h"
#include "samples/sample_nodes.h"
#include "samples/sample_row_reader.h"

namespace vn {

SampleAverageResult AverageSamples(const std::vector<std::string>& paths, const TestParameters& parameters) {
  SampleAverageResult result;
  if (paths.size() < kFewestSamplesForAverage) {
    result.message = SampleDialogMessage(kTooFewSamplesForAverageText);
    return result;
  }
  std::array<std::int64_t, kNodeCount> sums{};
  for (const std::string& path : paths) {
    const ProfileLoadStatus status = ReadSampleRows(
        path, parameters, [&](std::uint8_t x, std::uint8_t y, std::int32_t value) { sums[NodeIndex(x, y)] += value; });
    if (status != ProfileLoadStatus::Loaded) {
      result.message = FileOpenFailedMessage(path);
      return result;
    }
  }
  const auto count = static_cast<std::int64_t>(paths.size());
  ForEachDisplayNode(parameters, [&](std::uint8_t x, std::uint8_t y, NodeArea area) {
    // Integer division truncates toward zero.
    result.values.At(x, y) = CarriesSampleValue(area) ? static_cast<std::int32_t>(sums[NodeIndex(x, y)] / count) : 0;
  });
  result.ok = true;
  return result;
}

}  // namespace vn
