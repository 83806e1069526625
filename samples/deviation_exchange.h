// The four deviation edits of the sample dialog and their members:
// "偏差下限= -" absolute (an integer 0..20000), "偏差上限=" absolute (any
// integer), and the two percentages (a byte, then 0..100).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "config/dialog_exchange.h"
#include "samples/deviation_settings.h"

namespace vn {

enum DeviationEdit : std::size_t {
  kAbsoluteNegativeEdit,
  kAbsolutePositiveEdit,
  kRelativeNegativeEdit,
  kRelativePositiveEdit,
};
using DeviationEditTexts = std::array<std::string, 4>;

inline constexpr std::int64_t kAbsoluteNegativeMax = 20000;
inline constexpr std::int64_t kPercentageMax = 100;

// In the order above, up to the first entry with a message; the settings
// keep what was taken until then.
std::optional<ExchangeFailure> ExchangeDeviationEdits(const DeviationEditTexts& texts, DeviationSettings& settings,
                                                      Presenter& presenter);

DeviationEditTexts FormatDeviationEdits(const DeviationSettings& settings);

}  // namespace vn
