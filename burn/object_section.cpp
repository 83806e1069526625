#include "burn/object_section.h"

#include <cstdint>
#include <optional>

namespace vn {

BurnRejection ObjectSectionWriter::TakeLine(std::string_view line) {
  const XcfgEntry entry = SplitXcfgEntry(line);
  // Exact words: "OBJECT_ADDRESS " with a blank before "=" is no address line.
  if (entry.key == "OBJECT_ADDRESS") return TakeAddress(entry.valueText);
  if (entry.key == "OBJECT_SIZE") return TakeSize(entry.valueText);
  const std::optional<DataLineKey> key = ParseDataLineKey(entry.key);
  if (!key) return BurnRejection::MalformedDataLine;
  return TakeData(*key, entry.valueText);
}

BurnRejection ObjectSectionWriter::TakeAddress(std::string_view valueText) {
  if (expected_ != Expected::Address) return BurnRejection::LineOutOfOrder;
  // The address field holds 16 bits: a larger number keeps its low 16 bits.
  block_->SetAddress(static_cast<std::uint16_t>(LeadingDecimal(valueText) & 0xFFFF));
  expected_ = Expected::Size;
  return BurnRejection::None;
}

BurnRejection ObjectSectionWriter::TakeSize(std::string_view valueText) {
  if (expected_ != Expected::Size) return BurnRejection::LineOutOfOrder;
  if (!block_->SetSize(LeadingDecimal(valueText))) return BurnRejection::ObjectTooLarge;
  expected_ = block_->Size() == 0 ? Expected::Nothing : Expected::Data;
  return BurnRejection::None;
}

// Width 1 stores the value's low byte, width 2 its low and then its high byte.
BurnRejection ObjectSectionWriter::TakeData(const DataLineKey& key, std::string_view valueText) {
  if (expected_ != Expected::Data) return BurnRejection::LineOutOfOrder;
  if (key.offset != stored_) return BurnRejection::OffsetMismatch;
  if (stored_ + key.width > block_->Size()) return BurnRejection::DataBeyondSize;
  const std::uint32_t value = LeadingDecimal(valueText);
  for (std::uint8_t i = 0; i < key.width; ++i) {
    block_->SetDataByte(stored_ + i, static_cast<std::uint8_t>(value >> (8 * i)));
  }
  stored_ += key.width;
  if (stored_ == block_->Size()) expected_ = Expected::Nothing;
  return BurnRejection::None;
}

}  // namespace vn
