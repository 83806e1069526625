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

// The edits into the members, stopping at the first entry with a message
// ("请输入一个整数。" or the range -10000..16000); a number outside the range
// is in its member by then.
std::optional<ExchangeFailure> ExchangeMainInterfaceEdits(const MainInterfaceEditTexts& texts,
                                                          MainInterfaceMembers& members, Presenter& presenter);

// What the close procedure asks of the main window.
class MainInterfaceActions {
 public:
  virtual ~MainInterfaceActions() = default;
  virtual void StartRefreshTimer(int intervalMs) = 0;  // timer 5
  virtual void StopRefreshTimer() = 0;
  virtual void ApplyScreenLayout() = 0;  // shows or hides the difference list
};

// The close procedure, in order: the limits (only while the difference
// criterion is on, read from the edits once), the sheet type, the controller
// settings for it (while the link is up), timer 5 with its log line or
// stopped, the layout, and Start when it is allowed.
void CloseMainInterfaceControl(Tester& tester, const MainInterfaceEditTexts& texts, MainInterfaceMembers& members,
                               MainInterfaceActions& actions);

}  // namespace vn
