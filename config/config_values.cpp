#include "config/config_values.h"

#include <limits>

namespace vn {

std::int64_t ReadScalar(std::string_view value) {
  constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
  std::size_t i = 0;
  while (i < value.size() && value[i] == ' ') ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  std::int64_t magnitude = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (value[i] - '0');
    if (magnitude > kLimit) magnitude = kLimit + 1;  // saturate, keep reading digits
  }
  if (negative) return -magnitude;
  return magnitude > kLimit ? kLimit : magnitude;
}

int ReadCell(std::string_view value, std::size_t index, std::size_t count) {
  const bool last = index + 1 == count;
  const std::size_t delimiter = value.find(last ? '}' : ',', 2 * index + 1);
  if (delimiter == std::string_view::npos) return 0;
  const char cell = value[delimiter - 1];
  if (cell == '1') return 1;
  if (cell >= '2' && cell <= '9') return -1;
  return 0;
}

}  // namespace vn
