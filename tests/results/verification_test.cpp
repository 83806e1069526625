// Reference comparison, tolerances and the policy's clock arithmetic.
#include <gtest/gtest.h>

#include "results/verification.h"
#include "results/verification_policy.h"
#include "results/verification_record.h"

namespace vn {
namespace {

TEST(ReferenceToleranceTest, ReadsOnlyWhatItCanWriteBack) {
  const struct {
    const char* text;
    bool ok;
  } cases[] = {{"abs:1", true},   {"abs:65535", true}, {"pct:1", true},  {"pct:100", true},
               {"abs:0", false},  {"abs:65536", false}, {"pct:0", false}, {"pct:101", false},
               {"abs:", false},   {"abs:1.5", false},   {"off", false},   {"", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto parsed = ParseReferenceTolerance(c.text);
    EXPECT_EQ(parsed.has_value(), c.ok);
    if (parsed) {
      EXPECT_EQ(ReferenceToleranceText(*parsed), c.text);
    }
  }
  EXPECT_EQ(AllowedDrift({true, 2}, 25050), 501) << "truncated";
  EXPECT_EQ(AllowedDrift({false, 300}, 25050), 300);
}

TEST(CompareWithReferenceTest, ADriftBeyondTheToleranceEitherWayFails) {
  NodeMatrix measured;
  measured.At(0, 0) = 20300;  // +300: at the tolerance, passes
  measured.At(1, 2) = 19699;  // -301: drifted
  measured.At(3, 4) = 21000;  // +1000: drifted, the largest
  const std::vector<ReferenceNode> reference = {
      {{0, 0}, NodeArea::Visible, 20000}, {{1, 2}, NodeArea::Visible, 20000}, {{3, 4}, NodeArea::Key, 20000}};
  const VerificationResult result = CompareWithReference(reference, measured, {false, 300});
  EXPECT_FALSE(result.passed());
  EXPECT_EQ(result.comparedNodes, 3);
  ASSERT_EQ(result.drifted.size(), 2u);
  EXPECT_EQ(result.drifted[0].node, (NodePosition{1, 2}));
  EXPECT_EQ(result.drifted[0].drift, -301);
  EXPECT_EQ(result.drifted[1].area, NodeArea::Key);
  ASSERT_TRUE(result.largestDrift);
  EXPECT_EQ(result.largestDrift->node, (NodePosition{3, 4}));
  EXPECT_NEAR(result.meanDrift, (300 - 301 + 1000) / 3.0, 1e-9);
  EXPECT_FALSE(CompareWithReference({}, measured, {false, 300}).passed()) << "nothing compared proves nothing";
}

TEST(VerificationPolicyTest, DueWithoutARecentPass) {
  const LocalDateTime now{2024, 3, 1, 6, 0, 0};
  const struct {
    const char* name;
    int hours;
    std::optional<LocalDateTime> last;
    bool due;
  } cases[] = {
      {"policy off", 0, std::nullopt, false},
      {"never passed", 8, std::nullopt, true},
      {"exactly 8 h ago, across a leap day", 8, LocalDateTime{2024, 2, 29, 22, 0, 0}, false},
      {"8 h and a second ago", 8, LocalDateTime{2024, 2, 29, 21, 59, 59}, true},
      {"an hour ago", 8, LocalDateTime{2024, 3, 1, 5, 0, 0}, false},
      {"a minute in the future", 8, LocalDateTime{2024, 3, 1, 6, 1, 0}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const VerificationDue due = CheckVerificationDue(c.hours, c.last, now);
    EXPECT_EQ(due.due, c.due);
    EXPECT_EQ(due.reason.empty(), !c.due);
  }
}

TEST(VerificationRecordTest, TimesReadBackOnlyWhenTheyAreRealCalendarTimes) {
  EXPECT_TRUE(ParseRecordTime("2024-02-29 23:59:59"));
  for (const char* bad : {"2023-02-29 10:00:00", "2024-05-01 24:00:00", "2024-05-01 09:05", "2024-05-01 09:05:30x", ""})
    EXPECT_FALSE(ParseRecordTime(bad)) << bad;
  EXPECT_EQ(SecondsBetween({2023, 12, 31, 23, 59, 0}, {2024, 1, 1, 0, 1, 0}), 120);
}

}  // namespace
}  // namespace vn
