#include "burn/xcfg_line.h"

#include <limits>

namespace vn {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool BlanksOnly(std::string_view line) {
  for (const char c : line) {
    if (!IsBlank(c)) return false;
  }
  return true;
}

// The text occurs somewhere after the line's first character.
bool ContainsAfterFirst(std::string_view line, std::string_view text) {
  return line.size() > 1 && line.substr(1).find(text) != std::string_view::npos;
}

std::size_t CountDigits(std::string_view text) {
  std::size_t count = 0;
  while (count < text.size() && IsDigit(text[count])) ++count;
  return count;
}

}  // namespace

XcfgLineKind ClassifyXcfgLine(std::string_view line) {
  if (BlanksOnly(line)) return XcfgLineKind::Empty;
  const bool header = line.front() == '[' && line.find(']', 1) != std::string_view::npos;
  if (!header) return XcfgLineKind::Content;
  if (ContainsAfterFirst(line, "_T") && ContainsAfterFirst(line, "INSTANCE")) return XcfgLineKind::ObjectHeader;
  return XcfgLineKind::PlainHeader;
}

bool IsCommentsHeader(std::string_view header) { return ContainsAfterFirst(header, "COMMENTS"); }

std::uint32_t XcfgTypeNumber(std::string_view header) {
  std::uint32_t type = 0;
  for (std::size_t at = header.find("_T"); at != std::string_view::npos; at = header.find("_T", at + 1)) {
    const std::string_view rest = header.substr(at + 2);
    if (!rest.empty() && IsDigit(rest.front())) type = LeadingDecimal(rest);
  }
  return type;
}

std::uint32_t LeadingDecimal(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  constexpr std::uint64_t kLargest = std::numeric_limits<std::uint32_t>::max();
  std::uint64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    if (value > kLargest) value = kLargest;
  }
  return static_cast<std::uint32_t>(value);
}

XcfgEntry SplitXcfgEntry(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {std::string_view{}, line};
  return {line.substr(0, equals), line.substr(equals + 1)};
}

std::optional<DataLineKey> ParseDataLineKey(std::string_view key) {
  const std::size_t digits = CountDigits(key);
  if (digits == 0 || digits + 2 > key.size() || key[digits] != ' ') return std::nullopt;
  const char width = key[digits + 1];
  if (width != '1' && width != '2') return std::nullopt;
  if (digits + 2 < key.size() && key[digits + 2] != ' ') return std::nullopt;
  return DataLineKey{LeadingDecimal(key.substr(0, digits)), static_cast<std::uint8_t>(width - '0')};
}

}  // namespace vn
