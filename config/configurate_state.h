// What the configuration dialog works on: its own copy of the counts and
// limits, the check states of its six channel lists, the key channels and
// the multi-row key matrix. The copy reaches the main record only through a
// saved export; an import goes the other way, from the record into the copy.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "config/channel_lists.h"
#include "config/dialog_exchange.h"
#include "config/operator_message.h"
#include "config/test_parameters.h"

namespace vn {

// The members bound to the six edits and the radio group.
struct ConfigurateMembers {
  std::uint8_t xCount = 0;   // exchanged with the range 0..32
  std::uint8_t yCount = 0;   // 0..52
  std::uint32_t vaLower = 0;  // the four limits: 0..40000
  std::uint32_t vaUpper = 0;
  std::uint32_t keyLower = 0;
  std::uint32_t keyUpper = 0;
  int criterionChoice = 0;  // 0 "测试值上下限范围", 1 "样本偏差"

  friend bool operator==(const ConfigurateMembers&, const ConfigurateMembers&) = default;
};

// The six edits in the order they are exchanged.
enum ConfigurateEdit : std::size_t { kXCountEdit, kYCountEdit, kVaLowerEdit, kVaUpperEdit, kKeyLowerEdit, kKeyUpperEdit };
inline constexpr std::size_t kConfigurateEditCount = 6;
using ConfigurateEditTexts = std::array<std::string, kConfigurateEditCount>;

struct ConfigurateState {
  ConfigurateMembers members;
  AxisChecks x;  // items 0..31
  AxisChecks y;  // items 0..51
  KeyChannels keyX;
  KeyChannels keyY;
  KeyMatrix keyMatrix{};  // [row = key-Y ordinal][column = key-X ordinal]
  bool matrixEdited = false;
  std::string filePath;  // imported or exported in this opening of the dialog
  bool lastValid = false;

  AxisChecks& Axis(ChannelAxis axis) { return axis == ChannelAxis::X ? x : y; }
  KeyChannels& Keys(ChannelAxis axis) { return axis == ChannelAxis::X ? keyX : keyY; }
};

// Edit texts into the members, in order, with the exchange messages.
std::optional<ExchangeFailure> ExchangeConfigurateEdits(const ConfigurateEditTexts& texts,
                                                        ConfigurateMembers& members, Presenter& presenter);
// The members as the edits show them.
ConfigurateEditTexts FormatConfigurateEdits(const ConfigurateMembers& members);

// The range rules of the configuration on the members (first failing rule's message).
std::optional<OperatorMessage> ValidateMembers(const ConfigurateMembers& members);

// Counts, limits, list checks, key channels and key matrix from the record.
void FillFromRecord(ConfigurateState& state, const TestParameters& record);

// The record an export writes: the members, the lists, the key counts and
// the key matrix.
TestParameters RecordForExport(const ConfigurateState& state);

// A saved export handed to the main record. X cells 32..51 stay as they are.
void ApplyToRecord(const ConfigurateState& state, TestParameters& record);

// Whether closing should offer to save: a count, a limit, a list item or
// the key matrix differs from the record. The criterion is not compared.
bool ConfigurateChanged(const ConfigurateState& state, const TestParameters& record);

// The exported file's path: ".txt" is appended unless the chosen file name
// already ends in exactly ".txt" (letter case counts).
std::string ConfigExportPath(const std::string& chosenPath);

}  // namespace vn
