#include "config/main_interface_settings.h"

#include "platform/format.h"

namespace vn {

namespace {

constexpr int kDefaultIntervalIndex = 1;

std::function<void(std::int64_t)> Into(std::int16_t& member) {
  return [&member](std::int64_t value) { member = static_cast<std::int16_t>(value); };
}

void CopyLimits(const MainInterfaceMembers& m, DifferenceLimits& limits) {
  limits.keyDiffUpper = m.keyDiffUpper;
  limits.keyDiffLower = m.keyDiffLower;
  limits.vaDiffUpper = m.vaDiffUpper;
  limits.vaDiffLower = m.vaDiffLower;
}

}  // namespace

int RefreshIntervalMs(int index) {
  const bool inList = index >= 0 && static_cast<std::size_t>(index) < kRefreshIntervalItems.size();
  return std::stoi(kRefreshIntervalItems[inList ? static_cast<std::size_t>(index) : kDefaultIntervalIndex]);
}

std::string RefreshIntervalLogLine(int intervalMs) { return "连续刷新时间=" + FormatPadded(intervalMs, 10) + "ms"; }

MainInterfaceMembers MembersFromState(const MainWindowState& state) {
  const DifferenceLimits& l = state.differenceLimits;
  return {l.vaDiffLower, l.vaDiffUpper, l.keyDiffLower, l.keyDiffUpper, state.sheetType};
}

MainInterfaceEditTexts FormatMainInterfaceEdits(const MainInterfaceMembers& m) {
  return {std::to_string(m.keyDiffUpper), std::to_string(m.keyDiffLower), std::to_string(m.vaDiffUpper),
          std::to_string(m.vaDiffLower)};
}

std::optional<ExchangeFailure> ExchangeMainInterfaceEdits(const MainInterfaceEditTexts& texts,
                                                          MainInterfaceMembers& m, Presenter& presenter) {
  const ExchangeKind kind = ExchangeKind::Signed16;
  const std::int64_t lo = kDifferenceLimitLowest;
  const std::int64_t hi = kDifferenceLimitHighest;
  const ExchangeField fields[] = {
      {texts[kKeyDiffUpperEdit], kind, lo, hi, Into(m.keyDiffUpper)},
      {texts[kKeyDiffLowerEdit], kind, lo, hi, Into(m.keyDiffLower)},
      {texts[kVaDiffUpperEdit], kind, lo, hi, Into(m.vaDiffUpper)},
      {texts[kVaDiffLowerEdit], kind, lo, hi, Into(m.vaDiffLower)},
  };
  return ExchangeFields(fields, presenter);
}

void CloseMainInterfaceControl(Tester& tester, const MainInterfaceEditTexts& texts, MainInterfaceMembers& members,
                               MainInterfaceActions& actions) {
  MainWindowState& s = tester.state();
  if (s.diffCriterionEnabled != 0) {
    // An entry with a message stops the reading there; the close goes on
    // with the members as they then stand.
    ExchangeMainInterfaceEdits(texts, members, tester.presenter());
    CopyLimits(members, s.differenceLimits);
  }
  s.sheetType = members.sheetChoice;
  if (tester.connection().linkOk == 1) tester.controller().ApplyAcquisitionSettings(s.sheetType);
  if (s.autoRefreshEnabled != 0) {
    s.refreshIntervalMs = RefreshIntervalMs(s.refreshIntervalIndex);
    tester.log().Append(RefreshIntervalLogLine(s.refreshIntervalMs));
    actions.StartRefreshTimer(s.refreshIntervalMs);
  } else {
    actions.StopRefreshTimer();
  }
  actions.ApplyScreenLayout();
  if (tester.StartAllowed()) tester.presenter().SetEnabled(Control::StartButton, true);
}

}  // namespace vn
