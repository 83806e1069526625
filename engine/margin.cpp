#include "engine/margin.h"

#include <charconv>

namespace vn {

namespace {

constexpr std::int64_t kMostPercent = 50;  // beyond half the range every passing node would be marginal
constexpr std::int64_t kMostAbsolute = 65535;

}  // namespace

std::optional<MethodAmount> SplitMethodAmount(std::string_view text, std::int64_t most) {
  const std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view number = text.substr(colon + 1);
  std::int64_t amount = 0;
  const char* end = number.data() + number.size();
  const auto [ptr, ec] = std::from_chars(number.data(), end, amount);
  if (number.empty() || ec != std::errc() || ptr != end || amount < 1 || amount > most) return std::nullopt;
  return MethodAmount{text.substr(0, colon), amount};
}

std::optional<MarginSetting> ParseMarginSetting(std::string_view text) {
  if (text == "off") return MarginSetting{};
  const bool percent = text.rfind("pct:", 0) == 0;
  if (!percent && text.rfind("abs:", 0) != 0) return std::nullopt;
  const std::optional<MethodAmount> parsed = SplitMethodAmount(text, percent ? kMostPercent : kMostAbsolute);
  if (!parsed) return std::nullopt;
  return MarginSetting{percent ? MarginKind::Percent : MarginKind::Absolute, parsed->amount};
}

std::string MarginSettingText(const MarginSetting& margin) {
  switch (margin.kind) {
    case MarginKind::Percent:
      return "pct:" + std::to_string(margin.amount);
    case MarginKind::Absolute:
      return "abs:" + std::to_string(margin.amount);
    case MarginKind::Off:
      break;
  }
  return "off";
}

std::int64_t MarginBand(const MarginSetting& margin, std::int64_t lower, std::int64_t upper) {
  switch (margin.kind) {
    case MarginKind::Percent:
      return upper > lower ? (upper - lower) * margin.amount / 100 : 0;
    case MarginKind::Absolute:
      return margin.amount;
    case MarginKind::Off:
      break;
  }
  return -1;  // no value is ever inside
}

bool ValueInMargin(const MarginSetting& margin, std::int64_t value, const JudgedLimits& limits) {
  if (!margin.enabled() || value < limits.lower || value > limits.upper) return false;
  const std::int64_t band = MarginBand(margin, limits.lower, limits.upper);
  return value - limits.lower <= band || limits.upper - value <= band;
}

bool NodeValueMarginal(const ValueBasis& basis, const MarginSetting& margin, NodeArea area, std::uint8_t x,
                       std::uint8_t y, std::int64_t value) {
  if (!margin.enabled() || (area != NodeArea::Visible && area != NodeArea::Key)) return false;
  if (x >= kXChannelCount || y >= kYChannelCount) return false;
  return ValueInMargin(margin, value, NodeValueLimits(basis, area, x, y));
}

std::vector<NodePosition> MarginalValues(const ValueBasis& basis, const MarginSetting& margin,
                                         const NodeMatrix& measured) {
  if (!margin.enabled()) return {};
  return NodesWhere(basis.parameters, [&](NodePosition n) {
    return NodeValueMarginal(basis, margin, ClassifyNode(basis.parameters, n.x, n.y), n.x, n.y,
                             measured.At(n.x, n.y));
  });
}

}  // namespace vn
