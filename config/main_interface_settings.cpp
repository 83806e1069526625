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


const char* DifferenceLimitCaption(MainInterfaceEdit edit) {
  switch (edit) {
    case kKeyDiffUpperEdit: return "按键区合格差值上限";
    case kKeyDiffLowerEdit: return "按键区合格差值下限";
    case kVaDiffUpperEdit: return "可视区合格差值上限";
    case kVaDiffLowerEdit: return "可视区合格差值下限";
  }
  return "";
}

std::optional<ExchangeFailure> ValidateDifferenceEdits(const MainInterfaceEditTexts& texts,
                                                       MainInterfaceMembers& members) {
  const std::int64_t lo = kDifferenceLimitLowest;
  const std::int64_t hi = kDifferenceLimitHighest;
  std::array<std::int16_t, 4> values{};
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::optional<std::int64_t> value = ParseExchangeNumber(texts[i], ExchangeKind::Signed32);
    const auto edit = static_cast<MainInterfaceEdit>(i);
    if (!value || *value < lo || *value > hi)
      return ExchangeFailure{i, ExchangeMessage(std::string(DifferenceLimitCaption(edit)) + "：" + OutOfRangeText(lo, hi))};
    values[i] = static_cast<std::int16_t>(*value);
  }
  const auto ordered = [&](MainInterfaceEdit lower, MainInterfaceEdit upper) -> std::optional<ExchangeFailure> {
    if (values[lower] <= values[upper]) return std::nullopt;
    return ExchangeFailure{lower, ExchangeMessage(std::string(DifferenceLimitCaption(lower)) + "（" +
                                                  std::to_string(values[lower]) + "）不能大于" +
                                                  DifferenceLimitCaption(upper) + "（" +
                                                  std::to_string(values[upper]) + "）")};
  };
  if (auto failure = ordered(kKeyDiffLowerEdit, kKeyDiffUpperEdit)) return failure;
  if (auto failure = ordered(kVaDiffLowerEdit, kVaDiffUpperEdit)) return failure;
  members.keyDiffUpper = values[kKeyDiffUpperEdit];
  members.keyDiffLower = values[kKeyDiffLowerEdit];
  members.vaDiffUpper = values[kVaDiffUpperEdit];
  members.vaDiffLower = values[kVaDiffLowerEdit];
  return std::nullopt;
}

std::optional<MainInterfaceEdit> CloseMainInterfaceControl(Tester& tester, const MainInterfaceEditTexts& texts,
                                                           MainInterfaceMembers& members,
                                                           MainInterfaceActions& actions) {
  MainWindowState& s = tester.state();
  if (s.diffCriterionEnabled != 0) {
    if (const auto failure = ValidateDifferenceEdits(texts, members)) {
      const OperatorMessage& m = failure->message;
      tester.presenter().ShowMessage(m.text, m.caption, m.icon, MessageButtons::Ok);
      return static_cast<MainInterfaceEdit>(failure->field);
    }
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
  return std::nullopt;
}

}  // namespace vn
