#include "link/bridge_report.h"

#include <algorithm>

#include "platform/format.h"

namespace vn {

BridgeReport BuildOutputReport(std::uint8_t reportId, std::uint8_t command, std::uint8_t writeCount,
                               std::uint8_t readCount, std::uint16_t address,
                               const std::uint8_t* data) {
  BridgeReport report{};
  report[0] = reportId;
  report[1] = command;
  report[2] = writeCount;
  report[3] = readCount;
  report[4] = static_cast<std::uint8_t>(address & 0xFF);
  report[5] = static_cast<std::uint8_t>(address >> 8);
  const std::size_t dataCount = writeCount > 2 ? std::min<std::size_t>(writeCount - 2, kReportSize - 6) : 0;
  if (data != nullptr && dataCount > 0) std::copy_n(data, dataCount, report.begin() + 6);
  return report;
}

std::string HexDump(const BridgeReport& report, std::size_t count) {
  std::string text;
  text.reserve(count * 3);
  for (std::size_t i = 0; i < count && i < report.size(); ++i) {
    text += HexByte(report[i]);
    text += ' ';
  }
  return text;
}

}  // namespace vn
