// The rules of the main-interface dialog "主界面控制": the interval list of
// the automatic repetition, the four difference limits with their exchange
// range, and the close procedure that hands the settings to the main window.
// The settings live in the main-window state only; nothing is written to disk.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "config/dialog_exchange.h"
#include "engine/tester.h"

namespace vn {

// The items of the interval list, in milliseconds, in this order.
inline constexpr std::array<const char*, 5> kRefreshIntervalItems = {"500", "1000", "1500", "2000", "3000"};
inline constexpr std::int64_t kDifferenceLimitLowest = -10000;
inline constexpr std::int64_t kDifferenceLimitHighest = 16000;

// The interval of a list entry; the default entry's for an index outside the list.
int RefreshIntervalMs(int index);

// "连续刷新时间=" + the interval right-aligned in five characters + "ms".
std::string RefreshIntervalLogLine(int intervalMs);

// The members of the dialog: the four limits and the sheet-type choice.
struct MainInterfaceMembers {
  std::int16_t vaDiffLower = 0;
  std::int16_t vaDiffUpper = 0;
  std::int16_t keyDiffLower = 0;
  std::int16_t keyDiffUpper = 0;
  int sheetChoice = 0;  // 0 "GFF /GG /PG", 1 "OGS /单层多点"

  friend bool operator==(const MainInterfaceMembers&, const MainInterfaceMembers&) = default;
};

MainInterfaceMembers MembersFromState(const MainWindowState& state);

// The four edits in the order they are exchanged.
enum MainInterfaceEdit : std::size_t { kKeyDiffUpperEdit, kKeyDiffLowerEdit, kVaDiffUpperEdit, kVaDiffLowerEdit };
using MainInterfaceEditTexts = std::array<std::string, 4>;

MainInterfaceEditTexts FormatMainInterfaceEdits(const MainInterfaceMembers& members);


// The captions of the four edits, in exchange order.
const char* DifferenceLimitCaption(MainInterfaceEdit edit);

// The check of the four edits on close, as the configuration dialog checks
// its values: every entry a whole number in -10000..16000 and each lower
// limit at most its upper limit. The message names the field and the range
// ("按键区合格差值上限：请输入一个 -10000 至 16000 之间的整数。"); the members take
// the four numbers only when all of them pass.
std::optional<ExchangeFailure> ValidateDifferenceEdits(const MainInterfaceEditTexts& texts,
                                                       MainInterfaceMembers& members);

// What the close procedure asks of the main window.
class MainInterfaceActions {
 public:
  virtual ~MainInterfaceActions() = default;
  virtual void StartRefreshTimer(int intervalMs) = 0;  // timer 5
  virtual void StopRefreshTimer() = 0;
  virtual void ApplyScreenLayout() = 0;  // shows or hides the difference list
};

// The close procedure, in order: the limits (only while the difference
// criterion is on, checked as above: a failure shows its message, changes
// nothing and keeps the dialog open), the sheet type, the controller
// settings for it (while the link is up), timer 5 with its log line or
// stopped, the layout, and Start when it is allowed. Returns the edit to
// correct, or nothing when the dialog may close.
std::optional<MainInterfaceEdit> CloseMainInterfaceControl(Tester& tester, const MainInterfaceEditTexts& texts,
                                                           MainInterfaceMembers& members,
                                                           MainInterfaceActions& actions);

}  // namespace vn
