#include "platform/format.h"

#include <algorithm>
#include <cctype>

namespace vn {

std::string IntegerToText(std::int32_t value, int radix) {
  if (radix < 2 || radix > 36) return {};
  const bool negative = radix == 10 && value < 0;
  std::uint32_t magnitude = negative ? 0u - static_cast<std::uint32_t>(value)
                                     : static_cast<std::uint32_t>(value);
  std::string digits;
  do {
    const std::uint32_t digit = magnitude % static_cast<std::uint32_t>(radix);
    digits.push_back(static_cast<char>(digit < 10 ? '0' + digit : 'A' + digit - 10));
    magnitude /= static_cast<std::uint32_t>(radix);
  } while (magnitude != 0);
  if (negative) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

namespace {

std::string PadLeft(std::string text, std::size_t width, char fill) {
  if (text.size() < width) text.insert(0, width - text.size(), fill);
  return text;
}

}  // namespace

std::string FormatPadded(std::int32_t value, int radix) {
  std::string text = IntegerToText(value, radix);
  if (radix == 16 && text.size() <= 3) return PadLeft(text, 4, '0');
  if (radix == 10 && text.size() <= 4) return PadLeft(text, 5, ' ');
  return text;
}

std::string FormatZeroPadded(std::int32_t value, int radix) {
  std::string text = IntegerToText(value, radix);
  if (radix == 16 && text.size() <= 3) return PadLeft(text, 4, '0');
  if (radix == 10 && text.size() <= 4) return PadLeft(text, 5, '0');
  return text;
}

std::string LastChars(const std::string& text, std::size_t n) {
  return text.size() <= n ? text : text.substr(text.size() - n);
}

std::string P2(std::int32_t value) { return LastChars(FormatPadded(value, 10), 2); }

std::string HexByte(std::uint8_t value) { return LastChars(FormatPadded(value, 16), 2); }

}  // namespace vn
