// The 22 lines of the configuration text file: their keys (bracketed sizes
// included), the comment the writer puts after each, and how each line's
// value is read into and written from TestParameters.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "config/test_parameters.h"

namespace vn {

inline constexpr std::size_t kConfigLineCount = 22;

struct ConfigLineFormat {
  std::string_view key;
  std::string_view comment;  // UTF-8; written to the file as GBK
};

// The lines in the order the writer puts them.
const std::array<ConfigLineFormat, kConfigLineCount>& ConfigLineFormats();

// The position of a key in ConfigLineFormats; exact, case-sensitive match.
std::optional<std::size_t> FindConfigLine(std::string_view key);

// Reads a value into its field when it passes the line's rule. A refused
// value leaves the record as it was, so no field ever holds a number outside
// its accepted range.
bool ApplyConfigValue(std::size_t line, std::string_view value, TestParameters& parameters);

// The value text the writer puts after "=".
std::string FormatConfigValue(std::size_t line, const TestParameters& parameters);

}  // namespace vn
