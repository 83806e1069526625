// How far a node may lie from its sample value: an absolute amount below and
// above, or a percentage below and above. The field names are the keys of
// section `TestStandards` in "AdditionalPara1.ini".
#pragma once

#include <cstdint>

namespace vn {

inline constexpr std::int32_t kAbsoluteDeviation = 0;    // "绝对偏差"
inline constexpr std::int32_t kPercentageDeviation = 1;  // "偏差百分比"

struct DeviationSettings {
  std::int32_t DeviationMethod = kPercentageDeviation;  // 0 absolute, any other value percentage
  std::int32_t AbsoluteDeviationNegative = 0;           // the dialog accepts 0..20000
  std::int32_t AbsoluteDeviationPositive = 0;           // any integer
  std::uint8_t RelativeDeviationNegative = 0;           // percent, the dialog accepts 0..100
  std::uint8_t RelativeDeviationPositive = 0;

  friend bool operator==(const DeviationSettings&, const DeviationSettings&) = default;
};

}  // namespace vn
