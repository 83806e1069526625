#include <gtest/gtest.h>

#include "link/bridge_report.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

TEST(BridgeReportTest, OutputReportBytes) {
  const std::uint8_t data[] = {0x03, 0x12};
  struct Case {
    const char* name;
    std::uint8_t writeCount, readCount;
    std::uint16_t address;
    const std::uint8_t* data;
    const char* head;
    std::size_t headBytes;
  } cases[] = {
      {"read of the information block", 2, 7, 0x0000, nullptr, "01 51 02 07 00 00", 6},
      {"write of two data bytes", 4, 0, 0x1234, data, "01 51 04 00 34 12 03 12", 8},
      {"data ignored for a pure address write", 2, 0, 0x0010, data, "01 51 02 00 10 00", 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BridgeReport report = BuildOutputReport(1, 0x51, c.writeCount, c.readCount, c.address, c.data);
    EXPECT_EQ(test::Hex(report, c.headBytes), c.head);
    for (std::size_t i = c.headBytes; i < report.size(); ++i) ASSERT_EQ(report[i], 0) << "byte " << i;
  }
}

TEST(BridgeReportTest, LongestRequestFillsTheReport) {
  std::uint8_t data[58];
  for (int i = 0; i < 58; ++i) data[i] = static_cast<std::uint8_t>(i + 1);
  const BridgeReport report = BuildOutputReport(1, 0x51, 60, 0, 0x0200, data);
  EXPECT_EQ(report[6], 1);
  EXPECT_EQ(report[63], 58);
}

}  // namespace
}  // namespace vn
