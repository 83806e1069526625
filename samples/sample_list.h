// The list of the sample dialog "整理样本": the sample file behind each
// entry, in list order, and the nine column texts of a row. New entries go to
// the place given by the entry count; the list has 32 places and never takes
// a 33rd entry.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "samples/sample_record.h"

namespace vn {

inline constexpr std::size_t kSampleListPlaces = 32;
inline constexpr std::size_t kSampleListColumns = 9;

struct SampleListColumn {
  const char* heading;
  int width;  // pixels
};

// "序号", "时间", "来源", "VAmax", "VAmin", "VAaver", "KEYmax", "KEYmin", "KEYaver".
const std::array<SampleListColumn, kSampleListColumns>& SampleListColumns();

// "当前数据", "样本文件", "平均样本", or "未知样本" for any other source.
std::string SampleSourceText(std::uint8_t source);

using SampleRowTexts = std::array<std::string, kSampleListColumns>;

// The row of entry `index`: its number right-aligned in two characters, the
// record's time and source, and its six summary values in plain decimal.
SampleRowTexts SampleRowTextsFor(std::size_t index, const SampleRecord& record);

class SampleList {
 public:
  // capacity: `NumberOfSamplesListMAX`; captures stop there, and never go
  // past the 32 places.
  explicit SampleList(std::int32_t capacity = 0) : capacity_(capacity) {}

  std::size_t entryCount() const { return entryCount_; }
  const std::string& Path(std::size_t index) const { return paths_.at(index); }
  std::size_t CaptureCapacity() const;
  bool CaptureAllowed() const { return entryCount_ < CaptureCapacity(); }
  bool Full() const { return entryCount_ >= kSampleListPlaces; }

  // A refused capture: the rows stay on the screen, but the entries are
  // counted from 0 again, so the next one goes to the top.
  void RestartAtTop() { entryCount_ = 0; }
  // The place of the new entry, or nothing when all 32 places are taken.
  std::optional<std::size_t> Add(const std::string& path);
  void Clear();

  // The ticked entries among 0 .. entryCount - 1 (ticked[i] for row i).
  std::vector<std::size_t> TickedEntries(const std::vector<bool>& ticked) const;
  std::vector<std::string> PathsOf(const std::vector<std::size_t>& entries) const;

 private:
  std::int32_t capacity_;
  std::array<std::string, kSampleListPlaces> paths_{};
  std::size_t entryCount_ = 0;
};

}  // namespace vn
