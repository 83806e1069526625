// How a stored profile value reads: as text (quotes removed, length bounded)
// and as an integer (its leading decimal number).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vn {

// The 512-byte buffer of the profile functions holds 511 characters and a terminator.
inline constexpr std::size_t kProfileValueMaxLength = 511;

// A value enclosed in matching single or double quotes loses them.
std::string_view StripProfileQuotes(std::string_view value);

// At most kProfileValueMaxLength bytes; a cut never falls inside a UTF-8 character.
std::string CutToProfileLimit(std::string_view value);

// The leading decimal integer: blanks skipped, optional "+" or "-", digits;
// no digits give 0; a number beyond the 32-bit range is held at its bound.
std::int32_t LeadingProfileInteger(std::string_view text);

}  // namespace vn
