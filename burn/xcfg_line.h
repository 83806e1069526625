// The pieces of a ".xcfg" line: its kind, the type number of an object header,
// the key and value of a content line, and the offset and width of a data line.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vn {

enum class XcfgLineKind {
  Empty,         // no characters, or blanks only
  ObjectHeader,  // "[...]" naming "_T" and "INSTANCE", such as "[UNKNOWN_T8 INSTANCE 0]"
  PlainHeader,   // any other "[...]", such as "[COMMENTS]"
  Content,
};

XcfgLineKind ClassifyXcfgLine(std::string_view line);

// A plain header that opens the comment section.
bool IsCommentsHeader(std::string_view header);

// The decimal number after the last "_T" of the header that a digit follows;
// 0 when there is none.
std::uint32_t XcfgTypeNumber(std::string_view header);

// Leading spaces and tabs skipped, then decimal digits; no digits give 0,
// hexadecimal is not recognised, and a number beyond 32 bits is held at the
// largest 32-bit value.
std::uint32_t LeadingDecimal(std::string_view text);

// A content line split at its first "="; without "=", the key is empty and
// the value text is the whole line.
struct XcfgEntry {
  std::string_view key;
  std::string_view valueText;
};

XcfgEntry SplitXcfgEntry(std::string_view line);

// The key of a data line, "<offset> <width>" optionally followed by a blank
// and more text (as in "12 2 DATA"); width is 1 or 2 bytes.
struct DataLineKey {
  std::uint32_t offset = 0;
  std::uint8_t width = 0;
};

std::optional<DataLineKey> ParseDataLineKey(std::string_view key);

}  // namespace vn
