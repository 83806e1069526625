// Fixed-width number texts used by log lines, list cells and file names.
#pragma once

#include <cstdint>
#include <string>

namespace vn {

// The number in the given radix, upper case. Negative numbers are written
// with a minus sign in radix 10 and as their 32-bit two's complement in
// every other radix, as the C library's integer-to-text conversion does.
std::string IntegerToText(std::int32_t value, int radix);

// Radix 16: 1..3 characters are left-padded with "0" to 4. Radix 10: 1..4
// characters are left-padded with blanks to 5. Anything else is unpadded.
std::string FormatPadded(std::int32_t value, int radix);

// As FormatPadded, but radix 10 pads with "0" instead of blanks.
std::string FormatZeroPadded(std::int32_t value, int radix);

// The last n characters of a text (the whole text when it is shorter).
std::string LastChars(const std::string& text, std::size_t n);

// Two-character right-aligned decimal: " 3" for 3, "12" for 12.
std::string P2(std::int32_t value);

// Two upper-case hex digits of a byte.
std::string HexByte(std::uint8_t value);

}  // namespace vn
