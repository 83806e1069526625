// The header of a golden sample: where its file is, where it came from, when
// it was written and the summary values of its VA and KEY nodes. The node
// values themselves stay in the file and are read when they are needed.
#pragma once

#include <cstdint>
#include <string>

namespace vn {

// Source codes as stored in the `Source` key and listed by the sample dialog.
inline constexpr std::uint8_t kSampleSourceCaptured = 1;  // "当前数据"
inline constexpr std::uint8_t kSampleSourceImported = 2;  // "样本文件"
inline constexpr std::uint8_t kSampleSourceAveraged = 3;  // "平均样本"

// The summary values of the display nodes of the two judged areas.
struct AreaStatistics {
  std::uint32_t KEYmin = 0;
  std::uint32_t KEYmax = 0;
  std::int32_t KEYaverage = 0;
  std::uint32_t VAmin = 0;
  std::uint32_t VAmax = 0;
  std::int32_t VAaverage = 0;

  friend bool operator==(const AreaStatistics&, const AreaStatistics&) = default;
};

struct SampleRecord : AreaStatistics {
  std::string path;         // full path of the sample file
  std::uint8_t source = 0;  // kSampleSource...; any other value is an unknown sample
  std::string time;         // "MMDDhhmmss" of writing, or the `Time` of an imported file

  friend bool operator==(const SampleRecord&, const SampleRecord&) = default;
};

}  // namespace vn
