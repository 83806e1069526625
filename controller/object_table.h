// The controller's self-description: the 7-byte information block at address
// 0 and the object table of 6-byte entries at address 7. Every controller
// object is reached through the first object of its type in this table.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace vn {

struct ObjectEntry {
  std::uint8_t type = 0;
  std::uint16_t address = 0;
  std::uint8_t size = 0;          // entry byte 3 + 1, kept in 8 bits
  std::uint8_t instances = 0;     // entry byte 4 + 1, kept in 8 bits
  std::uint8_t reportIds = 0;     // report ids per instance
  std::uint8_t lowestReportId = 0;
  std::uint8_t highestReportId = 0;
};

// The first object of a type: its 1-based table position (0 = absent), address and size.
struct ObjectSlot {
  std::uint8_t position = 0;
  std::uint16_t address = 0;
  std::uint8_t size = 0;
  bool present() const { return position != 0; }
};

// Object types the tester uses.
namespace object_type {
inline constexpr std::uint8_t kMessage = 5;
inline constexpr std::uint8_t kCommandProcessor = 6;
inline constexpr std::uint8_t kType9 = 9;
inline constexpr std::uint8_t kType15 = 15;
inline constexpr std::uint8_t kSelfTest = 25;
inline constexpr std::uint8_t kDiagnostic = 37;
inline constexpr std::uint8_t kAcquisition = 46;
}  // namespace object_type

inline constexpr std::uint8_t kNoMessageReportId = 0xFF;

class ObjectTable {
 public:
  static constexpr std::size_t kMaxObjects = 64;
  static constexpr std::size_t kInformationBlockSize = 7;
  static constexpr std::uint16_t kTableAddress = 7;
  static constexpr std::size_t kEntrySize = 6;
  static constexpr std::size_t kImageSize = 394;  // the information block and room for 64 entries
  static constexpr std::uint8_t kWellKnownTypes[] = {5, 6, 9, 15, 25, 37, 40, 42, 46, 56, 57, 61, 62, 63};

  // Takes the 7 bytes of the information block; sets objectCount and pageCount.
  void SetInformationBlock(const std::uint8_t* bytes);
  // Copies table bytes read from controller memory at the given address.
  void StoreTableBytes(std::uint16_t address, const std::uint8_t* bytes, std::size_t count);

  // Fills the per-object arrays, report-id ranges and well-known slots from
  // the image. False (and nothing filled) for a table of more than 64 entries.
  bool Parse();

  std::uint8_t family() const { return image_[0]; }
  std::uint8_t variant() const { return image_[1]; }
  std::uint8_t version() const { return image_[2]; }
  std::uint8_t build() const { return image_[3]; }
  std::uint8_t matrixXSize() const { return image_[4]; }
  std::uint8_t matrixYSize() const { return image_[5]; }
  std::uint8_t objectCount() const { return objectCount_; }
  std::uint8_t pageCount() const { return pageCount_; }

  // Entry accessors by 1-based position, read directly from the image.
  std::uint8_t EntryType(std::size_t position) const;
  std::uint16_t EntryAddress(std::size_t position) const;
  std::uint8_t EntrySize(std::size_t position) const;
  std::uint8_t EntryInstances(std::size_t position) const;
  std::uint8_t EntryReportIds(std::size_t position) const;

  // The parsed entry at a 1-based position (position 1..objectCount).
  const ObjectEntry& Entry(std::size_t position) const { return entries_[position - 1]; }

  ObjectSlot Slot(std::uint8_t type) const;
  // The 1-based position of the object owning a report id, 0 when none does.
  std::uint8_t ObjectIndexForReportId(std::uint8_t reportId) const;
  // The report-id range of the first object of a type ({0, 0} when absent).
  std::pair<std::uint8_t, std::uint8_t> ReportIdRange(std::uint8_t type) const;
  // True when the report id is a real message from the first object of the type.
  bool MessageFromType(std::uint8_t reportId, std::uint8_t type) const;

  const std::array<std::uint8_t, kImageSize>& image() const { return image_; }

 private:
  std::size_t EntryOffset(std::size_t position) const { return kTableAddress + kEntrySize * (position - 1); }

  std::array<std::uint8_t, kImageSize> image_{};
  std::uint8_t objectCount_ = 0;
  std::uint8_t pageCount_ = 0;
  std::uint8_t parsedCount_ = 0;
  std::array<ObjectEntry, kMaxObjects> entries_{};
  std::array<ObjectSlot, 256> slots_{};
};

}  // namespace vn
