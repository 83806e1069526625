#include "config/dialog_exchange.h"

#include <gtest/gtest.h>

#include <optional>

#include "support/tester_rig.h"

namespace vn {
namespace {

struct ParseCase {
  const char* text;
  ExchangeKind kind;
  std::optional<std::int64_t> value;
};

TEST(DialogExchangeTest, ParsesNumbersOfEachKind) {
  const ParseCase cases[] = {
      {"32", ExchangeKind::Byte, 32},
      {" 7 ", ExchangeKind::Byte, 7},
      {"255", ExchangeKind::Byte, 255},
      {"256", ExchangeKind::Byte, std::nullopt},
      {"-1", ExchangeKind::Byte, std::nullopt},
      {"", ExchangeKind::Byte, std::nullopt},
      {"3a", ExchangeKind::Byte, std::nullopt},
      {"40000", ExchangeKind::Unsigned, 40000},
      {"4294967295", ExchangeKind::Unsigned, 4294967295LL},
      {"4294967296", ExchangeKind::Unsigned, std::nullopt},
      {"-5", ExchangeKind::Unsigned, std::nullopt},
      {"+5", ExchangeKind::Unsigned, std::nullopt},
      {"-10000", ExchangeKind::Signed16, -10000},
      {"+12", ExchangeKind::Signed16, 12},
      {"20000", ExchangeKind::Signed16, 20000},
      {"32768", ExchangeKind::Signed16, std::nullopt},
      {"-32768", ExchangeKind::Signed16, -32768},
      {"-", ExchangeKind::Signed16, std::nullopt},
      {"1 2", ExchangeKind::Signed32, std::nullopt},
      {"-2147483648", ExchangeKind::Signed32, -2147483648LL},
      {"2147483648", ExchangeKind::Signed32, std::nullopt},
      {"99999999999999999999", ExchangeKind::Signed32, std::nullopt},
  };
  for (const ParseCase& c : cases) EXPECT_EQ(ParseExchangeNumber(c.text, c.kind), c.value) << "'" << c.text << "'";
}

TEST(DialogExchangeTest, MessagesNameTheKindOrTheRange) {
  EXPECT_EQ(NotANumberText(ExchangeKind::Byte), "请输入一个 0 至 255 之间的整数。");
  EXPECT_EQ(NotANumberText(ExchangeKind::Unsigned), "请输入一个正整数。");
  EXPECT_EQ(NotANumberText(ExchangeKind::Signed16), "请输入一个整数。");
  EXPECT_EQ(NotANumberText(ExchangeKind::Signed32), "请输入一个整数。");
  EXPECT_EQ(OutOfRangeText(-10000, 16000), "请输入一个 -10000 至 16000 之间的整数。");
  const OperatorMessage message = ExchangeMessage("x");
  EXPECT_EQ(message.caption, "") << "the application title";
  EXPECT_EQ(message.icon, MessageIcon::Warning);
}

TEST(DialogExchangeTest, NumberOutsideTheRangeIsTakenBeforeItsMessage) {
  int member = 5;
  const ExchangeField field{"40", ExchangeKind::Byte, 0, 32, [&](std::int64_t v) { member = static_cast<int>(v); }};
  const auto failure = ExchangeOne(field, 3);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->field, 3u);
  EXPECT_EQ(failure->message.text, "请输入一个 0 至 32 之间的整数。");
  EXPECT_EQ(member, 40);
}

TEST(DialogExchangeTest, EntryThatIsNotANumberLeavesTheMember) {
  int member = 5;
  const ExchangeField field{"abc", ExchangeKind::Unsigned, 0, 40000,
                            [&](std::int64_t v) { member = static_cast<int>(v); }};
  const auto failure = ExchangeOne(field);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->message.text, "请输入一个正整数。");
  EXPECT_EQ(member, 5);
}

TEST(DialogExchangeTest, FieldWithoutRangeTakesAnyNumberOfItsKind) {
  int member = 0;
  const ExchangeField field{"-123456", ExchangeKind::Signed32, 0, -1,
                            [&](std::int64_t v) { member = static_cast<int>(v); }};
  EXPECT_FALSE(ExchangeOne(field));
  EXPECT_EQ(member, -123456);
}

TEST(DialogExchangeTest, RowOfEditsStopsAtTheFirstMessage) {
  test::RecordingPresenter presenter;
  int a = 0, b = 0, c = 0;
  const auto into = [](int& m) { return [&m](std::int64_t v) { m = static_cast<int>(v); }; };
  const ExchangeField fields[] = {
      {"1", ExchangeKind::Signed32, 0, 10, into(a)},
      {"x", ExchangeKind::Signed32, 0, 10, into(b)},
      {"3", ExchangeKind::Signed32, 0, 10, into(c)},
  };
  const auto failure = ExchangeFields(fields, presenter);
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->field, 1u);
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(c, 0) << "the edits after the message are not read";
  ASSERT_EQ(presenter.messages.size(), 1u);
  EXPECT_EQ(presenter.messages[0].text, "请输入一个整数。");
}

}  // namespace
}  // namespace vn
