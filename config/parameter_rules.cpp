#include "config/parameter_rules.h"

#include <string>

#include "config/test_parameters.h"

namespace vn {

namespace {

const char kConfigErrorCaption[] = "配置错误";

OperatorMessage ConfigError(std::string text) {
  return OperatorMessage{std::move(text), kConfigErrorCaption, MessageIcon::Stop};
}

std::string Decimal(std::int64_t value) { return std::to_string(value); }

}  // namespace

bool XChannelCountValid(std::int64_t count) {
  return count >= 1 && count <= static_cast<std::int64_t>(kXChannelCount);
}

bool YChannelCountValid(std::int64_t count) {
  return count >= 1 && count <= static_cast<std::int64_t>(kYChannelCount);
}

bool LowerRawLimitValid(std::int64_t lower) {
  return lower >= kLowestRawLimit && lower <= kHighestRawLimit;
}

bool UpperRawLimitValid(std::int64_t lower, std::int64_t upper) {
  return upper > lower && upper <= kHighestRawLimit;
}

std::optional<OperatorMessage> ValidateParameters(std::int64_t xChannels, std::int64_t yChannels,
                                                  std::int64_t vaMin, std::int64_t vaMax,
                                                  std::int64_t keyMin, std::int64_t keyMax) {
  const std::string lowerRange = Decimal(kLowestRawLimit) + "~" + Decimal(kHighestRawLimit);
  if (!XChannelCountValid(xChannels))
    return ConfigError("X有效通道数量 错误，范围应该是1~" + Decimal(kXChannelCount));
  if (!YChannelCountValid(yChannels))
    return ConfigError("Y有效通道数量 错误，范围应该是1~" + Decimal(kYChannelCount));
  if (!LowerRawLimitValid(vaMin)) return ConfigError("VA区测试值下限 错误，范围应该是" + lowerRange);
  if (!UpperRawLimitValid(vaMin, vaMax))
    return ConfigError("VA区测试值上限 错误，范围应该是 VA区测试值下限~" + Decimal(kHighestRawLimit));
  if (!LowerRawLimitValid(keyMin))
    return ConfigError("按键区测试值下限 错误，范围应该是" + lowerRange);
  if (!UpperRawLimitValid(keyMin, keyMax))
    return ConfigError("按键区测试值上限 错误，范围应该是 按键区测试值下限~" +
                       Decimal(kHighestRawLimit));
  return std::nullopt;
}

}  // namespace vn
