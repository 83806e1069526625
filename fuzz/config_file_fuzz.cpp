// The configuration text file parser: any bytes, and the record it leaves
// must still hold every field inside its accepted range.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/config_file.h"
#include "config/parameter_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vn::TestParameters parameters;
  vn::ParseConfigText(std::string_view(reinterpret_cast<const char*>(data), size), parameters);
  const bool inRange = vn::XChannelCountValid(parameters.x_channel_valid) &&
                       vn::YChannelCountValid(parameters.y_channel_valid) &&
                       vn::LowerRawLimitValid(parameters.rawdata_va_min) &&
                       vn::UpperRawLimitValid(parameters.rawdata_va_min, parameters.rawdata_va_max) &&
                       vn::LowerRawLimitValid(parameters.rawdata_key_min) &&
                       vn::UpperRawLimitValid(parameters.rawdata_key_min, parameters.rawdata_key_max);
  if (!inRange) std::abort();
  for (std::size_t r = 0; r < 8; ++r)
    for (std::size_t c = 0; c < 8; ++c)
      if (parameters.key_node_map[r][c] != parameters.multikey_matrix[c][r]) std::abort();
  return 0;
}
