#include "platform/profile_value.h"

#include <limits>

#include "platform/profile_line.h"

namespace vn {

namespace {

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string_view StripProfileQuotes(std::string_view value) {
  if (value.size() < 2) return value;
  const char first = value.front();
  if ((first == '"' || first == '\'') && value.back() == first) return value.substr(1, value.size() - 2);
  return value;
}

std::string CutToProfileLimit(std::string_view value) {
  if (value.size() <= kProfileValueMaxLength) return std::string(value);
  std::size_t end = kProfileValueMaxLength;
  // value[end] is the first byte left out; when it continues a character, the
  // character's earlier bytes go as well.
  while (end > 0 && IsUtf8Continuation(value[end])) --end;
  return std::string(value.substr(0, end));
}

std::int32_t LeadingProfileInteger(std::string_view text) {
  text = TrimProfileBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Accumulate the magnitude with a bound one past the largest positive value,
  // so the most negative number still fits.
  const std::int64_t bound = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
  std::int64_t magnitude = 0;
  for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > bound) magnitude = bound;
  }
  if (negative) return static_cast<std::int32_t>(-magnitude);
  if (magnitude == bound) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(magnitude);
}

}  // namespace vn
