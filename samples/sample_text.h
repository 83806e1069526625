// The texts of a sample file: flag lists, value tokens and node rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/test_parameters.h"
#include "samples/sample_values.h"

namespace vn {

// The token of an other (untested) display node.
inline constexpr char kUntestedNodeToken[] = "    0,";

// The value right-aligned in five characters and a comma ("    5,", "12345,").
// A value of more than five characters is written whole ("-12345,",
// "123456,"), so the token always reads back as the value.
std::string SampleValueToken(std::int32_t value);

// All 52 flags, each "1," or "0,".
std::string FlagListText(const ChannelFlags& flags);

// The row of Y channel y: one token per display node (x, y), x ascending
// over the X channels in use; a VA or KEY node gives its value, an other
// node kUntestedNodeToken, a non-display node nothing. Empty when the Y
// channel is not displayed or not in use.
std::string SampleRowText(const TestParameters& parameters, const SampleValues& values, std::size_t y);

}  // namespace vn
