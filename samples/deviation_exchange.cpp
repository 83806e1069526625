#include "samples/deviation_exchange.h"

namespace vn {

namespace {

template <typename Member>
std::function<void(std::int64_t)> Into(Member& member) {
  return [&member](std::int64_t value) { member = static_cast<Member>(value); };
}

}  // namespace

std::optional<ExchangeFailure> ExchangeDeviationEdits(const DeviationEditTexts& texts, DeviationSettings& d,
                                                      Presenter& presenter) {
  const ExchangeField fields[] = {
      {texts[kAbsoluteNegativeEdit], ExchangeKind::Signed32, 0, kAbsoluteNegativeMax,
       Into(d.AbsoluteDeviationNegative)},
      {texts[kAbsolutePositiveEdit], ExchangeKind::Signed32, 0, -1, Into(d.AbsoluteDeviationPositive)},
      {texts[kRelativeNegativeEdit], ExchangeKind::Byte, 0, kPercentageMax, Into(d.RelativeDeviationNegative)},
      {texts[kRelativePositiveEdit], ExchangeKind::Byte, 0, kPercentageMax, Into(d.RelativeDeviationPositive)},
  };
  return ExchangeFields(fields, presenter);
}

DeviationEditTexts FormatDeviationEdits(const DeviationSettings& d) {
  return {std::to_string(d.AbsoluteDeviationNegative), std::to_string(d.AbsoluteDeviationPositive),
          std::to_string(d.RelativeDeviationNegative), std::to_string(d.RelativeDeviationPositive)};
}

}  // namespace vn
