// The range rules of the test configuration, shared by the configuration file
// reader and the configuration dialog. Every check takes the number as the
// operator wrote it, before it is narrowed to the field's width, so that an X
// count of 260 is refused instead of becoming 4.
#pragma once

#include <cstdint>
#include <optional>

#include "config/operator_message.h"

namespace vn {

inline constexpr std::int64_t kLowestRawLimit = 16000;
inline constexpr std::int64_t kHighestRawLimit = 40000;

bool XChannelCountValid(std::int64_t count);  // 1..32
bool YChannelCountValid(std::int64_t count);  // 1..52
bool LowerRawLimitValid(std::int64_t lower);  // 16000..40000
// lower < upper <= 40000
bool UpperRawLimitValid(std::int64_t lower, std::int64_t upper);

// Applies the six rules in order and returns the message of the first one
// that fails (caption "配置错误", stop icon), or nothing when all hold.
std::optional<OperatorMessage> ValidateParameters(std::int64_t xChannels, std::int64_t yChannels,
                                                  std::int64_t vaMin, std::int64_t vaMax,
                                                  std::int64_t keyMin, std::int64_t keyMax);

}  // namespace vn
