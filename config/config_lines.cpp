#include "config/config_lines.h"

#include <cstdint>

#include "config/config_values.h"
#include "config/parameter_rules.h"

namespace vn {

namespace {

// Line positions, as in ConfigLineFormats.
enum Line : std::size_t {
  kXChannels, kYChannels, kVaMin, kVaMax, kKeyMin, kKeyMax,
  kDisplayX, kDisplayY, kVaX, kVaY, kKeyAreaX, kKeyAreaY,
  kKeyCountX, kKeyCountY, kMatrixColumn0,
};

const std::array<ConfigLineFormat, kConfigLineCount> kFormats = {{
    {"x_channel_valid", "X有效通道数量0~32"},
    {"y_channel_valid", "Y有效通道数量0~32"},
    {"rawdata_va_min", "VA区测试值下限"},
    {"rawdata_va_max", "VA区测试值上限"},
    {"rawdata_key_min", "按键区测试值下限"},
    {"rawdata_key_max", "按键区测试值上限"},
    {"display_area_x[52]", "X通道显示区域"},
    {"display_area_y[52]", "Y通道显示区域"},
    {"test_va_area_x[52]", "可视区的X通道测试区域"},
    {"test_va_area_y[52]", "可视区的Y通道测试区域"},
    {"test_key_area_x[52]", "按键区的X通道测试区域"},
    {"test_key_area_y[52]", "按键区的Y通道测试区域"},
    {"test_key_number_x", "X按键总数"},
    {"test_key_number_y", "Y按键总数"},
    {"multikey_matrix_col0[8]", "多行按键矩阵0列"},
    {"multikey_matrix_col1[8]", "多行按键矩阵1列"},
    {"multikey_matrix_col2[8]", "多行按键矩阵2列"},
    {"multikey_matrix_col3[8]", "多行按键矩阵3列"},
    {"multikey_matrix_col4[8]", "多行按键矩阵4列"},
    {"multikey_matrix_col5[8]", "多行按键矩阵5列"},
    {"multikey_matrix_col6[8]", "多行按键矩阵6列"},
    {"multikey_matrix_col7[8]", "多行按键矩阵7列"},
}};

// The flag array of an array line, or nullptr; const or not as the record is.
template <typename Record>
auto FlagsOf(std::size_t line, Record& p) -> decltype(&p.display_area_x) {
  switch (line) {
    case kDisplayX: return &p.display_area_x;
    case kDisplayY: return &p.display_area_y;
    case kVaX: return &p.test_va_area_x;
    case kVaY: return &p.test_va_area_y;
    case kKeyAreaX: return &p.test_key_area_x;
    case kKeyAreaY: return &p.test_key_area_y;
    default: return nullptr;
  }
}

bool IsXFlags(std::size_t line) { return line == kDisplayX || line == kVaX || line == kKeyAreaX; }

bool IsMatrixColumn(std::size_t line) {
  return line >= kMatrixColumn0 && line < kMatrixColumn0 + kKeyMatrixSize;
}

template <typename Cells>
bool ApplyCells(std::string_view value, Cells& target) {
  const auto read = ReadCells<std::tuple_size_v<Cells>>(value);
  if (!read.valid) return false;
  target = read.cells;
  return true;
}

bool ApplyKeyCount(std::string_view value, std::uint8_t& target) {
  const std::int64_t count = ReadScalar(value);
  if (count < 0) return false;
  target = static_cast<std::uint8_t>(count % 256);
  return true;
}

bool ApplyScalar(std::size_t line, std::int64_t v, TestParameters& p) {
  switch (line) {
    case kXChannels:
      if (!XChannelCountValid(v)) return false;
      p.x_channel_valid = static_cast<std::uint8_t>(v);
      return true;
    case kYChannels:
      if (!YChannelCountValid(v)) return false;
      p.y_channel_valid = static_cast<std::uint8_t>(v);
      return true;
    case kVaMin:
      if (!LowerRawLimitValid(v)) return false;
      p.rawdata_va_min = static_cast<std::uint16_t>(v);
      return true;
    case kVaMax:
      if (!UpperRawLimitValid(p.rawdata_va_min, v)) return false;
      p.rawdata_va_max = static_cast<std::uint16_t>(v);
      return true;
    case kKeyMin:
      if (!LowerRawLimitValid(v)) return false;
      p.rawdata_key_min = static_cast<std::uint16_t>(v);
      return true;
    case kKeyMax:
      if (!UpperRawLimitValid(p.rawdata_key_min, v)) return false;
      p.rawdata_key_max = static_cast<std::uint16_t>(v);
      return true;
    default:
      return false;
  }
}

}  // namespace

const std::array<ConfigLineFormat, kConfigLineCount>& ConfigLineFormats() { return kFormats; }

std::optional<std::size_t> FindConfigLine(std::string_view key) {
  for (std::size_t i = 0; i < kFormats.size(); ++i)
    if (kFormats[i].key == key) return i;
  return std::nullopt;
}

bool ApplyConfigValue(std::size_t line, std::string_view value, TestParameters& parameters) {
  if (auto* flags = FlagsOf(line, parameters)) return ApplyCells(value, *flags);
  if (IsMatrixColumn(line))
    return ApplyCells(value, parameters.multikey_matrix[line - kMatrixColumn0]);
  if (line == kKeyCountX) return ApplyKeyCount(value, parameters.test_key_number_x);
  if (line == kKeyCountY) return ApplyKeyCount(value, parameters.test_key_number_y);
  return ApplyScalar(line, ReadScalar(value), parameters);
}

std::string FormatConfigValue(std::size_t line, const TestParameters& p) {
  // X arrays carry only 32 meaningful cells; the writer always puts 0 in 32..51.
  if (const auto* flags = FlagsOf(line, p))
    return FormatCells(*flags, IsXFlags(line) ? kXChannelCount : kChannelFlagCount);
  if (IsMatrixColumn(line)) return FormatCells(p.multikey_matrix[line - kMatrixColumn0]);
  switch (line) {
    case kXChannels: return std::to_string(p.x_channel_valid);
    case kYChannels: return std::to_string(p.y_channel_valid);
    case kVaMin: return std::to_string(p.rawdata_va_min);
    case kVaMax: return std::to_string(p.rawdata_va_max);
    case kKeyMin: return std::to_string(p.rawdata_key_min);
    case kKeyMax: return std::to_string(p.rawdata_key_max);
    case kKeyCountX: return std::to_string(p.test_key_number_x);
    case kKeyCountY: return std::to_string(p.test_key_number_y);
    default: return {};
  }
}

}  // namespace vn
