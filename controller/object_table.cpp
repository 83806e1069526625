#include "controller/object_table.h"

#include <algorithm>

namespace vn {

void ObjectTable::SetInformationBlock(const std::uint8_t* bytes) {
  std::copy_n(bytes, kInformationBlockSize, image_.begin());
  objectCount_ = image_[6];
  pageCount_ = static_cast<std::uint8_t>(image_[4] * image_[5] / 64);
}

void ObjectTable::StoreTableBytes(std::uint16_t address, const std::uint8_t* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t offset = address + i;
    if (offset >= kInformationBlockSize && offset < image_.size()) image_[offset] = bytes[i];
  }
}

std::uint8_t ObjectTable::EntryType(std::size_t position) const { return image_[EntryOffset(position)]; }

std::uint16_t ObjectTable::EntryAddress(std::size_t position) const {
  const std::size_t at = EntryOffset(position);
  return static_cast<std::uint16_t>(image_[at + 1] | (image_[at + 2] << 8));
}

std::uint8_t ObjectTable::EntrySize(std::size_t position) const {
  return static_cast<std::uint8_t>(image_[EntryOffset(position) + 3] + 1);
}

std::uint8_t ObjectTable::EntryInstances(std::size_t position) const {
  return static_cast<std::uint8_t>(image_[EntryOffset(position) + 4] + 1);
}

std::uint8_t ObjectTable::EntryReportIds(std::size_t position) const { return image_[EntryOffset(position) + 5]; }

bool ObjectTable::Parse() {
  entries_.fill({});
  slots_.fill({});
  parsedCount_ = 0;
  if (objectCount_ > kMaxObjects) return false;

  unsigned highest = 0;
  for (std::size_t position = 1; position <= objectCount_; ++position) {
    ObjectEntry& entry = entries_[position - 1];
    entry.type = EntryType(position);
    entry.address = EntryAddress(position);
    entry.size = EntrySize(position);
    entry.instances = EntryInstances(position);
    entry.reportIds = EntryReportIds(position);
    if (entry.reportIds > 0) {
      const unsigned lowest = highest + 1;
      highest = lowest + unsigned(entry.instances) * entry.reportIds - 1;
      entry.lowestReportId = static_cast<std::uint8_t>(lowest);
      entry.highestReportId = static_cast<std::uint8_t>(highest);
    }
    ObjectSlot& slot = slots_[entry.type];
    if (!slot.present()) slot = {static_cast<std::uint8_t>(position), entry.address, entry.size};
  }
  // Only the listed types have slots.
  std::array<ObjectSlot, 256> wellKnown{};
  for (std::uint8_t type : kWellKnownTypes) wellKnown[type] = slots_[type];
  slots_ = wellKnown;
  parsedCount_ = objectCount_;
  return true;
}

ObjectSlot ObjectTable::Slot(std::uint8_t type) const { return slots_[type]; }

std::uint8_t ObjectTable::ObjectIndexForReportId(std::uint8_t reportId) const {
  if (reportId == 0 || reportId == kNoMessageReportId) return 0;
  for (std::size_t position = 1; position <= parsedCount_; ++position) {
    const ObjectEntry& entry = entries_[position - 1];
    if (entry.lowestReportId <= reportId && reportId <= entry.highestReportId)
      return static_cast<std::uint8_t>(position);
  }
  return 0;
}

std::pair<std::uint8_t, std::uint8_t> ObjectTable::ReportIdRange(std::uint8_t type) const {
  const ObjectSlot slot = Slot(type);
  if (!slot.present()) return {0, 0};
  const ObjectEntry& entry = entries_[slot.position - 1];
  return {entry.lowestReportId, entry.highestReportId};
}

bool ObjectTable::MessageFromType(std::uint8_t reportId, std::uint8_t type) const {
  if (reportId == kNoMessageReportId) return false;
  const auto [lowest, highest] = ReportIdRange(type);
  return lowest != 0 && lowest <= reportId && reportId <= highest;
}

}  // namespace vn
