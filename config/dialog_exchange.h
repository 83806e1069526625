// Reading numbers out of the edits of the settings dialogs, with the
// messages the operator gets for an entry that is not a number of the
// member's kind or lies outside the member's range:
//
//   kind        not a number of the kind
//   Byte        "请输入一个 0 至 255 之间的整数。"  (also above 255)
//   Unsigned    "请输入一个正整数。"
//   Signed16    "请输入一个整数。"
//   Signed32    "请输入一个整数。"
//   outside the range: "请输入一个 <min> 至 <max> 之间的整数。"
//
// A number of the right kind is taken into its member before its range is
// checked, so an entry outside the range is in the member after its message.
// Reading a row of edits stops at the first entry with a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "config/operator_message.h"
#include "platform/presenter.h"

namespace vn {

enum class ExchangeKind { Byte, Unsigned, Signed16, Signed32 };

// The number an edit's text stands for as a member of that kind: optional
// blanks around it, a sign only for the signed kinds, decimal digits, and
// nothing else; nothing when the text is not such a number or the number
// does not fit the kind.
std::optional<std::int64_t> ParseExchangeNumber(std::string_view text, ExchangeKind kind);

std::string NotANumberText(ExchangeKind kind);
// "请输入一个 <min> 至 <max> 之间的整数。"
std::string OutOfRangeText(std::int64_t min, std::int64_t max);

// A message of the data exchange: the application title as caption, the
// exclamation icon.
OperatorMessage ExchangeMessage(std::string text);

struct ExchangeField {
  std::string_view text;  // the edit's text
  ExchangeKind kind = ExchangeKind::Signed32;
  std::int64_t min = 0;   // the range; min > max means no range
  std::int64_t max = -1;
  std::function<void(std::int64_t)> store;  // takes the number into the member
};

struct ExchangeFailure {
  std::size_t field = 0;  // index of the edit that stopped the exchange
  OperatorMessage message;
};

// One edit: the member takes the number when it is of the field's kind; the
// failure when it is not, or when it lies outside the range.
std::optional<ExchangeFailure> ExchangeOne(const ExchangeField& field, std::size_t index = 0);

// The edits in order, up to the first failure; its message is shown.
// Nothing is returned when every edit was taken.
std::optional<ExchangeFailure> ExchangeFields(std::span<const ExchangeField> fields, Presenter& presenter);

}  // namespace vn
