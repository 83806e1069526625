// The configuration dialog's edits and their members.
#include "config/configurate_state.h"

#include "config/parameter_rules.h"

namespace vn {

namespace {

constexpr std::int64_t kLimitEditMax = 40000;

template <typename Member>
std::function<void(std::int64_t)> Into(Member& member) {
  return [&member](std::int64_t value) { member = static_cast<Member>(value); };
}

}  // namespace

std::optional<ExchangeFailure> ExchangeConfigurateEdits(const ConfigurateEditTexts& texts,
                                                        ConfigurateMembers& members, Presenter& presenter) {
  const ExchangeField fields[kConfigurateEditCount] = {
      {texts[kXCountEdit], ExchangeKind::Byte, 0, static_cast<std::int64_t>(kXChannelCount), Into(members.xCount)},
      {texts[kYCountEdit], ExchangeKind::Byte, 0, static_cast<std::int64_t>(kYChannelCount), Into(members.yCount)},
      {texts[kVaLowerEdit], ExchangeKind::Unsigned, 0, kLimitEditMax, Into(members.vaLower)},
      {texts[kVaUpperEdit], ExchangeKind::Unsigned, 0, kLimitEditMax, Into(members.vaUpper)},
      {texts[kKeyLowerEdit], ExchangeKind::Unsigned, 0, kLimitEditMax, Into(members.keyLower)},
      {texts[kKeyUpperEdit], ExchangeKind::Unsigned, 0, kLimitEditMax, Into(members.keyUpper)},
  };
  return ExchangeFields(fields, presenter);
}

ConfigurateEditTexts FormatConfigurateEdits(const ConfigurateMembers& m) {
  return {std::to_string(m.xCount),  std::to_string(m.yCount),   std::to_string(m.vaLower),
          std::to_string(m.vaUpper), std::to_string(m.keyLower), std::to_string(m.keyUpper)};
}

std::optional<OperatorMessage> ValidateMembers(const ConfigurateMembers& m) {
  return ValidateParameters(m.xCount, m.yCount, m.vaLower, m.vaUpper, m.keyLower, m.keyUpper);
}

}  // namespace vn
