#include "samples/sample_text.h"

#include "platform/format.h"
#include "samples/sample_nodes.h"

namespace vn {

std::string SampleValueToken(std::int32_t value) { return FormatPadded(value, 10) + ","; }

std::string FlagListText(const ChannelFlags& flags) {
  std::string text;
  text.reserve(2 * flags.size());
  for (const std::uint8_t flag : flags) text += flag != 0 ? "1," : "0,";
  return text;
}

std::string SampleRowText(const TestParameters& parameters, const SampleValues& values, std::size_t y) {
  std::string row;
  if (y >= SampleYChannels(parameters) || parameters.display_area_y[y] == 0) return row;
  const auto cy = static_cast<std::uint8_t>(y);
  for (std::size_t x = 0; x < SampleXChannels(parameters); ++x) {
    if (!IsDisplayNode(parameters, x, y)) continue;
    const auto cx = static_cast<std::uint8_t>(x);
    row += CarriesSampleValue(ClassifyNode(parameters, cx, cy)) ? SampleValueToken(values.At(x, y))
                                                                : std::string(kUntestedNodeToken);
  }
  return row;
}

}  // namespace vn
