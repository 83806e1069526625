#include <gtest/gtest.h>

#include "controller/object_table.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

struct Entry {
  std::uint8_t type;
  std::uint16_t address;
  std::uint8_t size, instances, reportIds;
};

std::pair<std::uint8_t, std::uint8_t> Range(int lowest, int highest) {
  return {static_cast<std::uint8_t>(lowest), static_cast<std::uint8_t>(highest)};
}

// Writes an information block and object table into the simulated controller.
void PokeTable(test::SimRig& rig, const std::vector<Entry>& entries) {
  rig.board.WithController([&](SimController& c) {
    c.Poke(4, 32);
    c.Poke(5, 52);
    c.Poke(6, static_cast<std::uint8_t>(entries.size()));
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const Entry& e = entries[i];
      const auto at = static_cast<std::uint16_t>(7 + 6 * i);
      c.Poke(at, e.type);
      c.Poke(at + 1, e.address & 0xFF);
      c.Poke(at + 2, e.address >> 8);
      c.Poke(at + 3, e.size - 1);
      c.Poke(at + 4, e.instances - 1);
      c.Poke(at + 5, e.reportIds);
    }
  });
}

// Reads the information block and the table as the connection sequence does.
bool ReadTable(test::SimRig& rig) {
  if (rig.controller.MemoryRead(0, 7) != TransferResult::Done) return false;
  rig.controller.table().SetInformationBlock(rig.controller.answerData());
  return rig.controller.ReadObjectTable() && rig.controller.table().Parse();
}

std::vector<std::pair<int, int>> TableReads(const test::SimRig& rig) {
  std::vector<std::pair<int, int>> reads;
  for (const BridgeReport& r : rig.OutputReports())
    if (r[3] > 0 && (r[4] | r[5] << 8) >= 7) reads.emplace_back(r[4] | r[5] << 8, r[3]);
  return reads;
}

TEST(ObjectTableTest, TableIsReadInPiecesOfTenEntries) {
  struct Case {
    const char* name;
    std::size_t entries;
    std::vector<std::pair<int, int>> reads;  // address, count
  } cases[] = {
      {"25 entries", 25, {{7, 60}, {67, 60}, {127, 30}}},
      {"10 entries", 10, {{7, 60}}},
      {"3 entries", 3, {{7, 18}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::SimRig rig;
    ASSERT_TRUE(rig.Connect());
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < c.entries; ++i) entries.push_back({static_cast<std::uint8_t>(100 + i), 0x400, 4, 1, 0});
    PokeTable(rig, entries);
    ASSERT_TRUE(ReadTable(rig));
    EXPECT_EQ(TableReads(rig), c.reads);
    EXPECT_EQ(rig.controller.table().EntryType(c.entries), 100 + c.entries - 1);
  }
}

TEST(ObjectTableTest, ReportIdRangesFollowTableOrder) {
  test::SimRig rig;
  ASSERT_TRUE(rig.Connect());
  PokeTable(rig, {{37, 0x100, 130, 1, 0},
                  {5, 0x200, 9, 1, 0},
                  {6, 0x210, 6, 1, 1},
                  {9, 0x220, 70, 1, 10},
                  {15, 0x270, 11, 1, 1},
                  {25, 0x280, 6, 1, 1}});
  ASSERT_TRUE(ReadTable(rig));
  const ObjectTable& table = rig.controller.table();
  EXPECT_EQ(table.ReportIdRange(6), Range(1, 1));
  EXPECT_EQ(table.ReportIdRange(9), Range(2, 11));
  EXPECT_EQ(table.ReportIdRange(15), Range(12, 12));
  EXPECT_EQ(table.ReportIdRange(25), Range(13, 13));
  const std::pair<int, int> owners[] = {{1, 3}, {2, 4}, {11, 4}, {12, 5}, {13, 6}, {0, 0}, {14, 0}, {0xFF, 0}};
  for (const auto& [reportId, position] : owners)
    EXPECT_EQ(table.ObjectIndexForReportId(static_cast<std::uint8_t>(reportId)), position) << "report id " << reportId;
  EXPECT_EQ(table.Slot(37).position, 1);
  EXPECT_EQ(table.Slot(37).address, 0x100);
  EXPECT_EQ(table.Slot(37).size, 130);
  EXPECT_FALSE(table.Slot(46).present()) << "an absent type never takes the first entry";
}

TEST(ObjectTableTest, FirstEntryWithReportIdsStartsAtOne) {
  ObjectTable table;
  const std::uint8_t info[7] = {0, 0, 0, 0, 32, 52, 2};
  table.SetInformationBlock(info);
  const std::uint8_t entries[12] = {6, 0x00, 0x01, 5, 0, 1, 25, 0x10, 0x01, 5, 1, 2};
  table.StoreTableBytes(7, entries, sizeof entries);
  ASSERT_TRUE(table.Parse());
  EXPECT_EQ(table.ReportIdRange(6), Range(1, 1));
  EXPECT_EQ(table.ReportIdRange(25), Range(2, 5)) << "2 instances x 2 ids";
  EXPECT_EQ(table.pageCount(), 26);
}

TEST(ObjectTableTest, MoreThanSixtyFourEntriesAreRefused) {
  ObjectTable table;
  const std::uint8_t info[7] = {0, 0, 0, 0, 32, 52, 65};
  table.SetInformationBlock(info);
  EXPECT_FALSE(table.Parse());
  EXPECT_EQ(table.ObjectIndexForReportId(1), 0);
}

TEST(ObjectTableTest, PageCountUsesIntegerDivision) {
  const std::pair<int, int> sizes[] = {{52, 26}, {53, 26}, {51, 25}};
  for (const auto& [y, pages] : sizes) {
    ObjectTable table;
    const std::uint8_t info[7] = {0, 0, 0, 0, 32, static_cast<std::uint8_t>(y), 0};
    table.SetInformationBlock(info);
    EXPECT_EQ(table.pageCount(), pages) << "32 x " << y;
  }
}

}  // namespace
}  // namespace vn
