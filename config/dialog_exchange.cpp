#include "config/dialog_exchange.h"

#include <limits>

namespace vn {

namespace {

struct KindBounds {
  std::int64_t lowest;
  std::int64_t highest;
  bool signedKind;
};

KindBounds BoundsOf(ExchangeKind kind) {
  switch (kind) {
    case ExchangeKind::Byte: return {0, 255, false};
    case ExchangeKind::Unsigned: return {0, std::numeric_limits<std::uint32_t>::max(), false};
    case ExchangeKind::Signed16:
      return {std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max(), true};
    case ExchangeKind::Signed32: break;
  }
  return {std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), true};
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool InRange(const ExchangeField& field, std::int64_t value) {
  return field.min > field.max || (value >= field.min && value <= field.max);
}

}  // namespace

std::optional<std::int64_t> ParseExchangeNumber(std::string_view text, ExchangeKind kind) {
  const KindBounds bounds = BoundsOf(kind);
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    if (!bounds.signedKind) return std::nullopt;
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > bounds.highest + 1) return std::nullopt;  // stays far from overflow
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < bounds.lowest || value > bounds.highest) return std::nullopt;
  return value;
}

std::string NotANumberText(ExchangeKind kind) {
  switch (kind) {
    case ExchangeKind::Byte: return "请输入一个 0 至 255 之间的整数。";
    case ExchangeKind::Unsigned: return "请输入一个正整数。";
    case ExchangeKind::Signed16:
    case ExchangeKind::Signed32: break;
  }
  return "请输入一个整数。";
}

std::string OutOfRangeText(std::int64_t min, std::int64_t max) {
  return "请输入一个 " + std::to_string(min) + " 至 " + std::to_string(max) + " 之间的整数。";
}

OperatorMessage ExchangeMessage(std::string text) { return {std::move(text), "", MessageIcon::Warning}; }

std::optional<ExchangeFailure> ExchangeOne(const ExchangeField& field, std::size_t index) {
  const auto value = ParseExchangeNumber(field.text, field.kind);
  if (!value) return ExchangeFailure{index, ExchangeMessage(NotANumberText(field.kind))};
  if (field.store) field.store(*value);
  if (!InRange(field, *value)) return ExchangeFailure{index, ExchangeMessage(OutOfRangeText(field.min, field.max))};
  return std::nullopt;
}

std::optional<ExchangeFailure> ExchangeFields(std::span<const ExchangeField> fields, Presenter& presenter) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (auto failure = ExchangeOne(fields[i], i)) {
      presenter.ShowMessage(failure->message.text, failure->message.caption, failure->message.icon,
                            MessageButtons::Ok);
      return failure;
    }
  }
  return std::nullopt;
}

}  // namespace vn
