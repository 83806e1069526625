#include "engine/node_judgement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vn {
namespace {

// VA over X 0..19 and Y 0..49; keys on X channels 20, 22, 24 and Y channels
// 50, 51 (three key columns, two key rows), real keys at matrix cells [0][0]
// and [1][1] (row, column).
TestParameters MultiRowKeys() {
  TestParameters p;
  p.x_channel_valid = 30;
  p.test_va_area_x = FirstChannelsSet(20);
  p.test_va_area_y = FirstChannelsSet(50);
  p.test_key_area_x[20] = p.test_key_area_x[22] = p.test_key_area_x[24] = 1;
  p.test_key_area_y[50] = p.test_key_area_y[51] = 1;
  p.test_key_number_x = 3;
  p.test_key_number_y = 2;
  p.multikey_matrix[0][0] = 1;  // column 0, row 0
  p.multikey_matrix[1][1] = 1;  // column 1, row 1
  p.RebuildKeyNodeMap();
  return p;
}

struct ClassifyCase {
  const char* name;
  std::function<void(TestParameters&)> change;
  std::uint8_t x, y;
  NodeArea expected;
};

TEST(ClassifyNodeTest, AreaRulesInOrder) {
  const auto none = [](TestParameters&) {};
  const ClassifyCase cases[] = {
      {"last VA node", none, 19, 49, NodeArea::Visible},
      {"next to the VA, no key channel", none, 19, 50, NodeArea::Untested},
      {"key (20, 50) uses cell [0][0]", none, 20, 50, NodeArea::Key},
      {"key (22, 51) uses cell [1][1]", none, 22, 51, NodeArea::Key},
      {"(22, 50): cell [0][1] is 0", none, 22, 50, NodeArea::Untested},
      {"(20, 51): cell [1][0] is 0", none, 20, 51, NodeArea::Untested},
      {"between key channels", none, 21, 50, NodeArea::Untested},
      {"X beyond the channels in use", none, 30, 50, NodeArea::Outside},
      {"Y beyond the channels in use", [](TestParameters& p) { p.y_channel_valid = 51; }, 22, 51,
       NodeArea::Outside},
      {"VA takes precedence over KEY",
       [](TestParameters& p) { p.test_key_area_x[5] = p.test_key_area_y[10] = 1; }, 5, 10,
       NodeArea::Visible},
      {"single key row: map ignored", [](TestParameters& p) { p.test_key_number_y = 1; }, 22, 50,
       NodeArea::Key},
      {"single key column: map ignored", [](TestParameters& p) { p.test_key_number_x = 1; }, 24, 51,
       NodeArea::Key},
      {"no keys counted: the whole key cross", [](TestParameters& p) { p.test_key_number_x = 0; }, 20,
       51, NodeArea::Key},
      {"counts beyond the matrix stay Outside",
       [](TestParameters& p) { p.x_channel_valid = 200; p.y_channel_valid = 200; }, 32, 0,
       NodeArea::Outside},
      {"Y 52 is never a node", [](TestParameters& p) { p.y_channel_valid = 200; }, 0, 52,
       NodeArea::Outside},
  };
  for (const ClassifyCase& c : cases) {
    SCOPED_TRACE(c.name);
    TestParameters p = MultiRowKeys();
    c.change(p);
    EXPECT_EQ(ClassifyNode(p, c.x, c.y), c.expected);
  }
}

TEST(ClassifyNodeTest, KeyOrdinalsBeyondEightAreNotKeys) {
  // Ten key X channels 20..29 under multi-row keys; every map cell set.
  TestParameters p = MultiRowKeys();
  p.x_channel_valid = 32;
  for (std::size_t x = 20; x < 30; ++x) p.test_key_area_x[x] = 1;
  for (std::size_t y = 40; y < 52; ++y) p.test_key_area_y[y] = 1;  // twelve key Y channels
  p.test_va_area_y = FirstChannelsSet(40);
  p.test_key_number_x = 10;
  p.test_key_number_y = 12;
  for (auto& column : p.multikey_matrix) column.fill(1);
  p.RebuildKeyNodeMap();
  EXPECT_EQ(ClassifyNode(p, 27, 47), NodeArea::Key);       // ordinals 7, 7
  EXPECT_EQ(ClassifyNode(p, 28, 47), NodeArea::Untested);  // X ordinal 8
  EXPECT_EQ(ClassifyNode(p, 27, 48), NodeArea::Untested);  // Y ordinal 8
  EXPECT_EQ(ClassifyNode(p, 29, 51), NodeArea::Untested);  // ordinals 9, 11
}

struct ValueCase {
  const char* name;
  int criterion;
  std::uint8_t x, y;
  std::int64_t value;
  bool fails;
};

class ValueJudgementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parameters_ = MultiRowKeys();
    parameters_.rawdata_va_min = 19000;
    parameters_.rawdata_va_max = 28000;
    parameters_.rawdata_key_min = 20000;
    parameters_.rawdata_key_max = 30000;
    // Sample limits wide open, except two filled nodes and two never filled.
    limits_.upper.fill(65535);
    SetLimits(3, 4, 100, 200);
    SetLimits(22, 51, -50, 50);
    SetLimits(5, 5, 0, 0);
    SetLimits(20, 50, 0, 0);
  }
  void SetLimits(std::size_t x, std::size_t y, std::int32_t lower, std::int32_t upper) {
    limits_.lower[NodeIndex(x, y)] = lower;
    limits_.upper[NodeIndex(x, y)] = upper;
  }
  ValueBasis Basis(int criterion) const { return ValueBasis{parameters_, criterion, limits_}; }

  // A film on which no node fails under the given criterion.
  NodeMatrix PassingFilm(int criterion) const {
    NodeMatrix measured;
    for (std::size_t x = 0; x < kXChannelCount; ++x) {
      for (std::size_t y = 0; y < kYChannelCount; ++y) {
        const auto area = ClassifyNode(parameters_, static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y));
        const std::int32_t lower = std::max(limits_.lower[NodeIndex(x, y)], 0);
        measured.At(x, y) = static_cast<std::uint16_t>(criterion != 0 ? lower
                                                       : area == NodeArea::Key ? 25000 : 20000);
      }
    }
    return measured;
  }

  TestParameters parameters_;
  SampleLimits limits_;
};

TEST_F(ValueJudgementTest, RangeEndsPassAndOneBeyondFails) {
  const ValueCase cases[] = {
      {"VA one below minimum", 0, 3, 4, 18999, true},
      {"VA minimum", 0, 3, 4, 19000, false},
      {"VA maximum", 0, 3, 4, 28000, false},
      {"VA one above maximum", 0, 3, 4, 28001, true},
      {"VA node uses the VA range, not the KEY range", 0, 3, 4, 29000, true},
      {"KEY one below minimum", 0, 20, 50, 19999, true},
      {"KEY minimum", 0, 20, 50, 20000, false},
      {"KEY maximum", 0, 20, 50, 30000, false},
      {"KEY one above maximum", 0, 20, 50, 30001, true},
      {"Untested node is never judged", 0, 22, 50, 0, false},
      {"Outside node is never judged", 0, 31, 0, 0, false},
      {"sample: one below lower", 1, 3, 4, 99, true},
      {"sample: lower", 1, 3, 4, 100, false},
      {"sample: upper", 1, 3, 4, 200, false},
      {"sample: one above upper", 1, 3, 4, 201, true},
      {"sample: any non-zero criterion", 2, 3, 4, 201, true},
      {"sample: signed lower limit", 1, 22, 51, 0, false},
      {"sample: unfilled VA limits pass 0", 1, 5, 5, 0, false},
      {"sample: unfilled VA limits fail 1", 1, 5, 5, 1, true},
      {"sample: unfilled KEY limits fail a good value", 1, 20, 50, 25000, true},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ValueBasis basis = Basis(c.criterion);
    EXPECT_EQ(NodeValueFails(basis, ClassifyNode(parameters_, c.x, c.y), c.x, c.y, c.value), c.fails);
    NodeMatrix measured = PassingFilm(c.criterion);
    ASSERT_FALSE(JudgeValues(basis, measured));
    measured.At(c.x, c.y) = static_cast<std::uint16_t>(c.value);
    EXPECT_EQ(JudgeValues(basis, measured), c.fails);
  }
}

TEST_F(ValueJudgementTest, StopsAtTheFirstFailingNodeInXMajorOrder) {
  NodeMatrix measured;
  measured.values.fill(20000);
  for (std::uint8_t y : {50, 51}) measured.At(20, y) = measured.At(22, y) = 25000;
  measured.At(1, 0) = 1;   // fails, visited after every node of X 0
  measured.At(0, 49) = 1;  // fails, the first in X-major order
  measured.At(22, 51) = 1;
  const ValueBasis basis = Basis(0);
  EXPECT_TRUE(JudgeValues(basis, measured));
  EXPECT_EQ(FirstFailingValue(basis, measured), (NodePosition{0, 49}));
  const std::vector<NodePosition> expected = {{0, 49}, {1, 0}, {22, 51}};
  EXPECT_EQ(FailingValues(basis, measured), expected);
}

TEST_F(ValueJudgementTest, DisplayAreaPlaysNoPart) {
  parameters_.display_area_x.fill(0);
  parameters_.display_area_y.fill(0);
  NodeMatrix measured;  // all 0: every VA and KEY node below its range
  EXPECT_TRUE(JudgeValues(Basis(0), measured));
  EXPECT_EQ(FirstFailingValue(Basis(0), measured), (NodePosition{0, 0}));
}

TEST_F(ValueJudgementTest, ChannelCountsBeyondTheMatrixStayInsideIt) {
  parameters_.x_channel_valid = 255;
  parameters_.y_channel_valid = 255;
  parameters_.test_va_area_x.fill(1);
  parameters_.test_va_area_y.fill(1);
  NodeMatrix measured;
  measured.values.fill(20000);
  measured.At(31, 51) = 1;
  const std::vector<NodePosition> expected = {{31, 51}};
  EXPECT_EQ(FailingValues(Basis(0), measured), expected);
}

struct DifferenceCase {
  const char* name;
  std::uint16_t measured, baseline;
  std::int16_t difference;
};

TEST(ComputeDifferencesTest, WrapsModulo65536) {
  const DifferenceCase cases[] = {
      {"5000 below a baseline of 40000", 35000, 40000, -5000},
      {"baseline above by more than 32767 wraps positive", 0, 40000, 25536},
      {"measured above by more than 32767 wraps negative", 40000, 0, -25536},
      {"largest rise", 65535, 0, -1},
      {"equal", 12345, 12345, 0},
      {"small rise", 20100, 20000, 100},
  };
  for (const DifferenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    NodeMatrix measured, baseline;
    measured.At(31, 51) = c.measured;
    baseline.At(31, 51) = c.baseline;
    measured.At(0, 0) = 7;
    const DifferenceMatrix differences = ComputeDifferences(measured, baseline);
    EXPECT_EQ(differences.At(31, 51), c.difference);
    EXPECT_EQ(differences.At(0, 0), 7);
  }
}

struct DifferenceJudgementCase {
  const char* name;
  std::uint8_t x, y;
  std::int16_t difference;
  bool fails;
};

TEST(JudgeDifferencesTest, SignedLimitsPerArea) {
  const TestParameters p = MultiRowKeys();
  const DifferenceLimits limits{-6000, 10000, 3000, 4000};
  const DifferenceJudgementCase cases[] = {
      {"VA lower end", 3, 4, -6000, false},
      {"VA one below lower", 3, 4, -6001, true},
      {"VA upper end", 3, 4, 10000, false},
      {"VA one above upper", 3, 4, 10001, true},
      {"VA node uses the VA limits", 3, 4, 5000, false},
      {"KEY one below lower", 22, 51, 2999, true},
      {"KEY lower end", 22, 51, 3000, false},
      {"KEY upper end", 22, 51, 4000, false},
      {"KEY one above upper", 22, 51, 4001, true},
      {"KEY node uses the KEY limits", 22, 51, 5000, true},
      {"Untested node never fails", 22, 50, -32768, false},
  };
  for (const DifferenceJudgementCase& c : cases) {
    SCOPED_TRACE(c.name);
    DifferenceMatrix differences;
    for (std::size_t x = 0; x < kXChannelCount; ++x)
      for (std::size_t y = 0; y < kYChannelCount; ++y) differences.At(x, y) = 3500;
    differences.At(c.x, c.y) = c.difference;
    EXPECT_EQ(JudgeDifferences(p, limits, differences), c.fails);
    const NodeArea area = ClassifyNode(p, c.x, c.y);
    EXPECT_EQ(DifferenceCellRed(true, limits, area, c.difference), c.fails);
    EXPECT_FALSE(DifferenceCellRed(false, limits, area, c.difference));
  }
}

TEST(JudgeDifferencesTest, StopsAtTheFirstFailingNodeInXMajorOrder) {
  const TestParameters p = MultiRowKeys();
  DifferenceMatrix differences;
  differences.values.fill(5000);  // inside the default 3000..10000
  differences.At(2, 0) = -5000;
  differences.At(1, 10) = 20000;
  EXPECT_TRUE(JudgeDifferences(p, DifferenceLimits{}, differences));
  EXPECT_EQ(FirstFailingDifference(p, DifferenceLimits{}, differences), (NodePosition{1, 10}));
  const std::vector<NodePosition> expected = {{1, 10}, {2, 0}};
  EXPECT_EQ(FailingDifferences(p, DifferenceLimits{}, differences), expected);
}

}  // namespace
}  // namespace vn
