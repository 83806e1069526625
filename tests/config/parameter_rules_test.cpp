#include "config/parameter_rules.h"

#include <gtest/gtest.h>

namespace vn {
namespace {

struct RuleCase {
  const char* name;
  std::int64_t x, y, vaMin, vaMax, keyMin, keyMax;
  const char* message;  // nullptr: valid
};

TEST(ValidateParametersTest, FirstFailingRuleGivesItsMessage) {
  const RuleCase cases[] = {
      {"defaults", 32, 52, 19000, 28000, 19000, 28000, nullptr},
      {"all bounds at their ends", 1, 1, 16000, 16001, 40000 - 1, 40000, nullptr},
      {"X 0", 0, 52, 19000, 28000, 19000, 28000, "X有效通道数量 错误，范围应该是1~32"},
      {"X 33", 33, 52, 19000, 28000, 19000, 28000, "X有效通道数量 错误，范围应该是1~32"},
      {"X 260 is not narrowed to 4", 260, 52, 19000, 28000, 19000, 28000,
       "X有效通道数量 错误，范围应该是1~32"},
      {"Y 53", 32, 53, 19000, 28000, 19000, 28000, "Y有效通道数量 错误，范围应该是1~52"},
      {"VA min 15999", 32, 52, 15999, 28000, 19000, 28000, "VA区测试值下限 错误，范围应该是16000~40000"},
      {"VA min 40001", 32, 52, 40001, 40002, 19000, 28000, "VA区测试值下限 错误，范围应该是16000~40000"},
      {"VA max equal to min", 32, 52, 19000, 19000, 19000, 28000,
       "VA区测试值上限 错误，范围应该是 VA区测试值下限~40000"},
      {"VA max 40001", 32, 52, 19000, 40001, 19000, 28000,
       "VA区测试值上限 错误，范围应该是 VA区测试值下限~40000"},
      {"VA max 65536 + 20000 is not narrowed", 32, 52, 19000, 85536, 19000, 28000,
       "VA区测试值上限 错误，范围应该是 VA区测试值下限~40000"},
      {"KEY min 15999", 32, 52, 19000, 28000, 15999, 28000,
       "按键区测试值下限 错误，范围应该是16000~40000"},
      {"KEY max below min", 32, 52, 19000, 28000, 19000, 18000,
       "按键区测试值上限 错误，范围应该是 按键区测试值下限~40000"},
      {"X and KEY both wrong: X first", 0, 52, 19000, 28000, 0, 0, "X有效通道数量 错误，范围应该是1~32"},
      {"VA max and KEY min wrong: VA first", 32, 52, 19000, 1, 0, 28000,
       "VA区测试值上限 错误，范围应该是 VA区测试值下限~40000"},
  };
  for (const RuleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto failure = ValidateParameters(c.x, c.y, c.vaMin, c.vaMax, c.keyMin, c.keyMax);
    if (c.message == nullptr) {
      EXPECT_FALSE(failure.has_value());
      continue;
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, c.message);
    EXPECT_EQ(failure->caption, "配置错误");
    EXPECT_EQ(failure->icon, MessageIcon::Stop);
  }
}

}  // namespace
}  // namespace vn
