// Between the configuration dialog's copy and the main record.
#include "config/configurate_state.h"

#include <type_traits>

#include "platform/file_chooser.h"

namespace vn {

namespace {

// The three flag arrays of one axis in the record, in the order of AxisChecks.
template <typename Flags>
struct RecordAxis {
  Flags& display;
  Flags& visibleArea;
  Flags& keyArea;
};

template <typename Record, typename Flags = std::conditional_t<std::is_const_v<Record>, const ChannelFlags, ChannelFlags>>
RecordAxis<Flags> RecordFlags(Record& record, ChannelAxis axis) {
  if (axis == ChannelAxis::X) return {record.display_area_x, record.test_va_area_x, record.test_key_area_x};
  return {record.display_area_y, record.test_va_area_y, record.test_key_area_y};
}

AxisChecks ChecksFromRecord(const TestParameters& record, ChannelAxis axis) {
  const auto flags = RecordFlags(record, axis);
  AxisChecks checks;
  for (std::size_t i = 0; i < ChannelItemCount(axis); ++i) {
    checks.display[i] = flags.display[i] != 0 ? 1 : 0;
    checks.visibleArea[i] = flags.visibleArea[i] != 0 ? 1 : 0;
    checks.keyArea[i] = flags.keyArea[i] != 0 ? 1 : 0;
  }
  return checks;
}

void ChecksToRecord(const AxisChecks& checks, TestParameters& record, ChannelAxis axis) {
  const auto flags = RecordFlags(record, axis);
  for (std::size_t i = 0; i < ChannelItemCount(axis); ++i) {
    flags.display[i] = checks.display[i];
    flags.visibleArea[i] = checks.visibleArea[i];
    flags.keyArea[i] = checks.keyArea[i];
  }
}

bool ChecksDiffer(const AxisChecks& checks, const TestParameters& record, ChannelAxis axis) {
  return !(checks == ChecksFromRecord(record, axis));
}

KeyMatrix Transposed(const KeyMatrix& matrix) {
  KeyMatrix result{};
  for (std::size_t r = 0; r < kKeyMatrixSize; ++r)
    for (std::size_t c = 0; c < kKeyMatrixSize; ++c) result[c][r] = matrix[r][c];
  return result;
}

void SetCountsAndLimits(const ConfigurateMembers& m, TestParameters& record) {
  record.x_channel_valid = m.xCount;
  record.y_channel_valid = m.yCount;
  record.rawdata_va_min = static_cast<std::uint16_t>(m.vaLower);
  record.rawdata_va_max = static_cast<std::uint16_t>(m.vaUpper);
  record.rawdata_key_min = static_cast<std::uint16_t>(m.keyLower);
  record.rawdata_key_max = static_cast<std::uint16_t>(m.keyUpper);
}

// Everything an export writes and a saved export applies.
void CopyDialogInto(const ConfigurateState& state, TestParameters& record) {
  SetCountsAndLimits(state.members, record);
  ChecksToRecord(state.x, record, ChannelAxis::X);
  ChecksToRecord(state.y, record, ChannelAxis::Y);
  record.test_key_number_x = state.keyX.count;
  record.test_key_number_y = state.keyY.count;
  record.multikey_matrix = Transposed(state.keyMatrix);
  record.RebuildKeyNodeMap();
}

}  // namespace

void FillFromRecord(ConfigurateState& state, const TestParameters& record) {
  ConfigurateMembers& m = state.members;
  m.xCount = record.x_channel_valid;
  m.yCount = record.y_channel_valid;
  m.vaLower = record.rawdata_va_min;
  m.vaUpper = record.rawdata_va_max;
  m.keyLower = record.rawdata_key_min;
  m.keyUpper = record.rawdata_key_max;
  state.x = ChecksFromRecord(record, ChannelAxis::X);
  state.y = ChecksFromRecord(record, ChannelAxis::Y);
  state.keyX = CountKeyChannels(state.x.keyArea, ChannelAxis::X);
  state.keyY = CountKeyChannels(state.y.keyArea, ChannelAxis::Y);
  state.keyMatrix = record.key_node_map;
}

TestParameters RecordForExport(const ConfigurateState& state) {
  TestParameters record;
  CopyDialogInto(state, record);
  return record;
}

void ApplyToRecord(const ConfigurateState& state, TestParameters& record) { CopyDialogInto(state, record); }

bool ConfigurateChanged(const ConfigurateState& state, const TestParameters& record) {
  const ConfigurateMembers& m = state.members;
  const bool countsOrLimits = m.xCount != record.x_channel_valid || m.yCount != record.y_channel_valid ||
                              m.vaLower != record.rawdata_va_min || m.vaUpper != record.rawdata_va_max ||
                              m.keyLower != record.rawdata_key_min || m.keyUpper != record.rawdata_key_max;
  return countsOrLimits || ChecksDiffer(state.x, record, ChannelAxis::X) ||
         ChecksDiffer(state.y, record, ChannelAxis::Y) || state.matrixEdited;
}

std::string ConfigExportPath(const std::string& chosenPath) {
  const std::string name = FileNameOfPath(chosenPath);
  if (name.size() < 4 || name.compare(name.size() - 4, 4, ".txt") != 0) return chosenPath + ".txt";
  return chosenPath;
}

}  // namespace vn
