// The object table parser on any information block and table bytes: lookups
// stay inside the table, and report-id owners really own their ids.
#include <cstdint>
#include <cstdlib>

#include "controller/object_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < vn::ObjectTable::kInformationBlockSize) return 0;
  vn::ObjectTable table;
  table.SetInformationBlock(data);
  table.StoreTableBytes(vn::ObjectTable::kTableAddress, data + 7, size - 7);
  if (!table.Parse()) return 0;
  for (int id = 0; id < 256; ++id) {
    const std::uint8_t position = table.ObjectIndexForReportId(static_cast<std::uint8_t>(id));
    if (position > table.objectCount()) std::abort();
    if (position != 0) {
      const vn::ObjectEntry& entry = table.Entry(position);
      if (id < entry.lowestReportId || id > entry.highestReportId) std::abort();
    }
  }
  for (std::uint8_t type : vn::ObjectTable::kWellKnownTypes) {
    const vn::ObjectSlot slot = table.Slot(type);
    if (slot.position > table.objectCount()) std::abort();
    if (slot.present() && table.Entry(slot.position).type != type) std::abort();
  }
  return 0;
}
