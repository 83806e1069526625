#include "samples/sample_list.h"

#include <algorithm>

#include "platform/format.h"

namespace vn {

const std::array<SampleListColumn, kSampleListColumns>& SampleListColumns() {
  static const std::array<SampleListColumn, kSampleListColumns> columns = {{
      {"序号", 50},
      {"时间", 75},
      {"来源", 75},
      {"VAmax", 75},
      {"VAmin", 75},
      {"VAaver", 75},
      {"KEYmax", 75},
      {"KEYmin", 75},
      {"KEYaver", 75},
  }};
  return columns;
}

std::string SampleSourceText(std::uint8_t source) {
  switch (source) {
    case kSampleSourceCaptured: return "当前数据";
    case kSampleSourceImported: return "样本文件";
    case kSampleSourceAveraged: return "平均样本";
    default: return "未知样本";
  }
}

SampleRowTexts SampleRowTextsFor(std::size_t index, const SampleRecord& r) {
  return {LastChars(FormatPadded(static_cast<std::int32_t>(index), 10), 2),
          r.time,
          SampleSourceText(r.source),
          std::to_string(r.VAmax),
          std::to_string(r.VAmin),
          std::to_string(r.VAaverage),
          std::to_string(r.KEYmax),
          std::to_string(r.KEYmin),
          std::to_string(r.KEYaverage)};
}

std::size_t SampleList::CaptureCapacity() const {
  return static_cast<std::size_t>(std::clamp<std::int64_t>(capacity_, 0, kSampleListPlaces));
}

std::optional<std::size_t> SampleList::Add(const std::string& path) {
  if (Full()) return std::nullopt;
  paths_[entryCount_] = path;
  return entryCount_++;
}

void SampleList::Clear() {
  paths_.fill({});
  entryCount_ = 0;
}

std::vector<std::size_t> SampleList::TickedEntries(const std::vector<bool>& ticked) const {
  std::vector<std::size_t> entries;
  for (std::size_t i = 0; i < entryCount_ && i < ticked.size(); ++i)
    if (ticked[i]) entries.push_back(i);
  return entries;
}

std::vector<std::string> SampleList::PathsOf(const std::vector<std::size_t>& entries) const {
  std::vector<std::string> paths;
  for (const std::size_t i : entries) paths.push_back(paths_.at(i));
  return paths;
}

}  // namespace vn
