// The 64-byte HID report exchanged with the test board, in both directions.
//
// Output (program to board): byte 0 report id 1, byte 1 command 0x51, byte 2
// write count N (address bytes + data bytes), byte 3 read count M, bytes 4-5
// the register address low byte first, bytes 6..N+3 the data, zeros after.
// Input (board to program): byte 0 report id 1 or 2, byte 1 answer code,
// bytes 3.. the data read (code 0) or the forwarded message (code 0xFA).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vn {

using BridgeReport = std::array<std::uint8_t, 64>;

inline constexpr std::size_t kReportSize = 64;
inline constexpr std::uint8_t kOutputReportId = 1;
inline constexpr std::uint8_t kMemoryTransferCommand = 0x51;
inline constexpr std::uint8_t kMaxWriteCount = 60;  // address + data bytes of one request
inline constexpr std::uint8_t kMaxReadCount = 61;   // room for data in one answer
inline constexpr std::size_t kAnswerDataOffset = 3;

namespace answer_code {
inline constexpr std::uint8_t kReadData = 0x00;
inline constexpr std::uint8_t kAcknowledge = 0x04;
inline constexpr std::uint8_t kIgnored = 0x88;
inline constexpr std::uint8_t kForwardedMessage = 0xFA;
}  // namespace answer_code

// Builds an output report. The data bytes (writeCount - 2 of them) are copied
// only when data is given and writeCount > 2; a writeCount below 2 is taken as 2
// so the zero fill never reaches into the header.
BridgeReport BuildOutputReport(std::uint8_t reportId, std::uint8_t command, std::uint8_t writeCount,
                               std::uint8_t readCount, std::uint16_t address,
                               const std::uint8_t* data);

// "01 51 02 ..." : every byte as two upper-case hex digits followed by a blank.
std::string HexDump(const BridgeReport& report, std::size_t count = kReportSize);

// Input reports are taken only with report id 1 or 2.
inline bool IsAcceptedInputReportId(std::uint8_t id) { return id == 1 || id == 2; }

}  // namespace vn
