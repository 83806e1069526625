#include "samples/area_statistics.h"

#include <cmath>

#include "samples/sample_nodes.h"

namespace vn {

namespace {

struct AreaAccumulator {
  std::uint32_t minimum = kNoSampleMinimum;
  std::uint32_t maximum = 0;
  std::int64_t sum = 0;
  std::int64_t count = 0;

  void Add(std::int32_t value) {
    const auto asUnsigned = static_cast<std::uint32_t>(value);
    if (asUnsigned > maximum) maximum = asUnsigned;
    if (asUnsigned < minimum) minimum = asUnsigned;
    sum += value;
    ++count;
  }

  std::int32_t Average() const {
    if (count == 0) return 0;
    return static_cast<std::int32_t>(std::trunc(static_cast<double>(sum) / static_cast<double>(count)));
  }
};

}  // namespace

AreaStatistics ComputeAreaStatistics(const TestParameters& parameters, const SampleValues& values) {
  AreaAccumulator va;
  AreaAccumulator key;
  ForEachDisplayNode(parameters, [&](std::uint8_t x, std::uint8_t y, NodeArea area) {
    if (area == NodeArea::Visible) va.Add(values.At(x, y));
    if (area == NodeArea::Key) key.Add(values.At(x, y));
  });
  if (key.maximum < key.minimum) key.minimum = key.maximum = 0;  // no KEY node seen

  AreaStatistics statistics;
  statistics.VAmin = va.minimum;
  statistics.VAmax = va.maximum;
  statistics.VAaverage = va.Average();
  statistics.KEYmin = key.minimum;
  statistics.KEYmax = key.maximum;
  statistics.KEYaverage = key.Average();
  return statistics;
}

}  // namespace vn
