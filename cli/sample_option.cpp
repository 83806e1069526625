#include "cli/sample_option.h"

#include <charconv>
#include <limits>
#include <ostream>

#include "samples/sample_limits_derivation.h"

namespace vn::cli {

namespace {

bool ToNumber(const std::string& text, long long low, long long high, long long& value) {
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return !text.empty() && ec == std::errc() && ptr == end && value >= low && value <= high;
}

}  // namespace

std::optional<DeviationSettings> ParseDeviationOption(const std::string& text) {
  const std::size_t first = text.find(':');
  const std::size_t second = first == std::string::npos ? first : text.find(':', first + 1);
  if (second == std::string::npos) return std::nullopt;
  const std::string method = text.substr(0, first);
  const std::string negative = text.substr(first + 1, second - first - 1);
  const std::string positive = text.substr(second + 1);
  long long below = 0;
  long long above = 0;
  DeviationSettings settings;
  if (method == "abs") {
    if (!ToNumber(negative, 0, 20000, below) ||
        !ToNumber(positive, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), above))
      return std::nullopt;
    settings.DeviationMethod = kAbsoluteDeviation;
    settings.AbsoluteDeviationNegative = static_cast<std::int32_t>(below);
    settings.AbsoluteDeviationPositive = static_cast<std::int32_t>(above);
    return settings;
  }
  if (method == "pct") {
    if (!ToNumber(negative, 0, 100, below) || !ToNumber(positive, 0, 100, above)) return std::nullopt;
    settings.DeviationMethod = kPercentageDeviation;
    settings.RelativeDeviationNegative = static_cast<std::uint8_t>(below);
    settings.RelativeDeviationPositive = static_cast<std::uint8_t>(above);
    return settings;
  }
  return std::nullopt;
}

bool LoadSampleLimits(Tester& tester, const std::string& samplePath, const DeviationSettings& settings,
                      std::ostream& err) {
  const SampleLimitsResult derived = DeriveSampleLimits(samplePath, tester.state().testParameters, settings);
  if (!derived.ok()) {
    err << derived.message.text << "\n";
    return false;
  }
  tester.state().sampleLimits = derived.limits;
  return true;
}

}  // namespace vn::cli
