#include "config/multi_key_grid.h"

#include <gtest/gtest.h>

#include "support/tester_rig.h"

namespace vn {
namespace {

KeyChannels Keys(std::initializer_list<std::size_t> channels) {
  KeyChannels keys;
  for (const std::size_t c : channels) keys.flags[c] = 1;
  keys.count = static_cast<std::uint8_t>(channels.size());
  return keys;
}

class MultiKeyGridTest : public ::testing::Test {
 protected:
  // kx 3 (X 4, 5, 9), ky 2 (Y 0, 17).
  KeyChannels keyX = Keys({4, 5, 9});
  KeyChannels keyY = Keys({0, 17});
  KeyMatrix target{};
  bool edited = false;
  test::RecordingPresenter presenter;
};

TEST_F(MultiKeyGridTest, GridHasEightRowsPerKeyXChannel) {
  const MultiKeyGrid grid(keyX, keyY, target);
  EXPECT_EQ(grid.columns(), 3u);
  EXPECT_EQ(grid.keyRows(), 2u);
  EXPECT_EQ(grid.cellCount(), 24u);
  EXPECT_EQ(MultiKeyCell(2, 1), 17u);
}

TEST_F(MultiKeyGridTest, HeadingsNameTheKeyChannelsAndMarkTheEndOfTheRows) {
  const MultiKeyGrid grid(keyX, keyY, target);
  EXPECT_EQ(grid.ColumnHeadings(), (std::vector<std::string>{"X 4", "X 5", "X 9"}));
  const auto rows = grid.RowHeadings();
  EXPECT_EQ(rows[0], "Y 0");
  EXPECT_EQ(rows[1], "Y17");
  EXPECT_EQ(rows[2], "------");
  for (std::size_t y = 3; y < 8; ++y) EXPECT_FALSE(rows[y]) << y;
}

TEST_F(MultiKeyGridTest, EightKeyRowsHaveNoEndMark) {
  const MultiKeyGrid grid(keyX, Keys({1, 2, 3, 4, 5, 6, 7, 8}), target);
  const auto rows = grid.RowHeadings();
  for (std::size_t y = 0; y < 8; ++y) {
    ASSERT_TRUE(rows[y]) << y;
    EXPECT_NE(*rows[y], "------");
  }
  EXPECT_EQ(rows[7], "Y 8");
}

TEST_F(MultiKeyGridTest, CellsBelowTheKeyRowsAreRefused) {
  MultiKeyGrid grid(keyX, keyY, target);
  grid.SetChecked(MultiKeyCell(1, 1), true);
  EXPECT_TRUE(grid.RefuseInvalidCells(presenter).empty());
  grid.SetChecked(MultiKeyCell(0, 2), true);
  grid.SetChecked(MultiKeyCell(2, 7), true);
  EXPECT_EQ(grid.RefuseInvalidCells(presenter), (std::vector<std::size_t>{MultiKeyCell(0, 2), MultiKeyCell(2, 7)}));
  ASSERT_EQ(presenter.messages.size(), 2u);
  EXPECT_EQ(presenter.messages[0].text, "该节点无效");
  EXPECT_EQ(presenter.messages[0].caption, "提示");
  EXPECT_EQ(presenter.messages[0].icon, MessageIcon::Stop);
  EXPECT_FALSE(grid.Checked(MultiKeyCell(0, 2)));
  EXPECT_TRUE(grid.Checked(MultiKeyCell(1, 1)));
}

TEST_F(MultiKeyGridTest, MatrixCellsLeftFromAnEarlierDefinitionAreRefused) {
  target[5][0] = 1;  // row 5, column 0
  target[0][1] = 1;
  MultiKeyGrid grid(keyX, keyY, target);
  EXPECT_TRUE(grid.Checked(MultiKeyCell(0, 5)));
  EXPECT_TRUE(grid.Checked(MultiKeyCell(1, 0)));
  EXPECT_EQ(grid.RefuseInvalidCells(presenter).size(), 1u);
}

TEST_F(MultiKeyGridTest, ExampleDefinitionIsAcceptedAndWrittenBack) {
  MultiKeyGrid grid(keyX, keyY, target);
  grid.SetChecked(MultiKeyCell(0, 0), true);
  grid.SetChecked(MultiKeyCell(1, 1), true);
  grid.SetChecked(MultiKeyCell(2, 0), true);
  EXPECT_TRUE(grid.DefinitionAccepted());
  EXPECT_EQ(grid.Close({target, edited}, presenter), MultiKeyGrid::CloseOutcome::Closed);
  EXPECT_TRUE(presenter.messages.empty());
  EXPECT_TRUE(edited);
  KeyMatrix expected{};
  expected[0][0] = expected[1][1] = expected[0][2] = 1;
  EXPECT_EQ(target, expected);
}

TEST_F(MultiKeyGridTest, AKeyChannelWithoutCellsAsksAndCancelChangesNothing) {
  target[7][7] = 1;  // outside the block: kept as it was
  MultiKeyGrid grid(keyX, keyY, target);
  grid.SetChecked(MultiKeyCell(0, 0), true);
  grid.SetChecked(MultiKeyCell(1, 1), true);  // column 2 empty
  EXPECT_FALSE(grid.DefinitionAccepted());
  presenter.answers = {MessageResult::Ok, MessageResult::Cancel};
  EXPECT_EQ(grid.Close({target, edited}, presenter), MultiKeyGrid::CloseOutcome::StaysOpen);
  ASSERT_EQ(presenter.messages.size(), 1u);
  EXPECT_EQ(presenter.messages[0].text, "按键配置错误，继续更改(确定)，还是放弃(取消)？");
  EXPECT_EQ(presenter.messages[0].caption, "按键错误");
  EXPECT_EQ(presenter.messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_EQ(grid.Close({target, edited}, presenter), MultiKeyGrid::CloseOutcome::Closed);
  EXPECT_FALSE(edited);
  KeyMatrix expected{};
  expected[7][7] = 1;
  EXPECT_EQ(target, expected);
}

TEST_F(MultiKeyGridTest, AKeyRowWithoutCellsIsNotAccepted) {
  MultiKeyGrid grid(keyX, keyY, target);
  for (std::size_t x = 0; x < 3; ++x) grid.SetChecked(MultiKeyCell(x, 0), true);
  EXPECT_FALSE(grid.DefinitionAccepted()) << "row 1 has no key";
}

TEST_F(MultiKeyGridTest, UnchangedDefinitionWritesNothing) {
  target[0][0] = target[1][1] = target[0][2] = 1;
  const KeyMatrix before = target;
  MultiKeyGrid grid(keyX, keyY, target);
  EXPECT_EQ(grid.Close({target, edited}, presenter), MultiKeyGrid::CloseOutcome::Closed);
  EXPECT_FALSE(edited);
  EXPECT_EQ(target, before);
}

TEST_F(MultiKeyGridTest, AnEditedMatrixIsCopiedEvenWithoutADifference) {
  target[0][0] = target[1][1] = target[0][2] = 1;
  edited = true;
  MultiKeyGrid grid(keyX, keyY, target);
  KeyMatrix other = target;
  other[6][6] = 1;  // the dialog's matrix meanwhile
  EXPECT_EQ(grid.Close({other, edited}, presenter), MultiKeyGrid::CloseOutcome::Closed);
  EXPECT_EQ(other, target) << "all 64 cells of the working copy";
}

TEST_F(MultiKeyGridTest, NeverMoreThanEightColumnsOrRows) {
  const KeyChannels many = Keys({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  const MultiKeyGrid grid(many, many, target);
  EXPECT_EQ(grid.columns(), 8u);
  EXPECT_EQ(grid.keyRows(), 8u);
  EXPECT_EQ(grid.cellCount(), 64u);
  EXPECT_EQ(grid.ColumnHeadings().size(), 8u);
}

}  // namespace
}  // namespace vn
