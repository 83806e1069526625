#include <gtest/gtest.h>

#include "controller/connection_sequence.h"
#include "platform/format.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.Connect());
    ASSERT_TRUE(CheckLink(rig.controller, state));
    ASSERT_TRUE(rig.controller.ReadObjectTable());
    ASSERT_TRUE(rig.controller.table().Parse());
    rig.board.ClearRecording();
  }

  std::uint16_t AddressOf(std::uint8_t type) const { return rig.sim().Find(type)->address; }

  std::vector<BridgeReport> Writes() const {
    std::vector<BridgeReport> writes;
    for (const BridgeReport& r : rig.OutputReports())
      if (r[2] > 2) writes.push_back(r);
    return writes;
  }

  test::SimRig rig;
  ConnectionState state;
};

TEST_F(ControllerTest, ResetWritesOneToTheCommandProcessor) {
  ASSERT_TRUE(rig.controller.ResetController());
  const auto writes = Writes();
  ASSERT_EQ(writes.size(), 1u);
  const std::uint16_t a = AddressOf(6);
  EXPECT_EQ(test::Hex(writes[0], 8), "01 51 03 00 " + HexByte(a & 0xFF) + " " + HexByte(a >> 8) + " 01 00");
  EXPECT_EQ(rig.sim().resets(), 1);
}

TEST_F(ControllerTest, SelfTestCommandBytes) {
  // Move the self-test object to 0x0123 in the table image the controller layer uses.
  const std::uint8_t entry[3] = {25, 0x23, 0x01};
  const std::uint8_t position = rig.controller.table().Slot(25).position;
  rig.controller.table().StoreTableBytes(static_cast<std::uint16_t>(7 + 6 * (position - 1)), entry, 3);
  ASSERT_TRUE(rig.controller.table().Parse());
  ASSERT_TRUE(rig.controller.SelfTestCommand(0x12));
  ASSERT_EQ(Writes().size(), 1u);
  EXPECT_EQ(test::Hex(Writes()[0], 8), "01 51 04 00 23 01 03 12");
}

TEST_F(ControllerTest, SheetTypesDifferOnlyInTwoBytes) {
  ASSERT_TRUE(rig.controller.ApplyAcquisitionSettings(0));
  const auto sheet0 = Writes();
  rig.board.ClearRecording();
  ASSERT_TRUE(rig.controller.ApplyAcquisitionSettings(1));
  const auto sheet1 = Writes();
  ASSERT_EQ(sheet0.size(), 11u) << "ten settings and the backup";
  ASSERT_EQ(sheet1.size(), sheet0.size());
  int differing = 0;
  for (std::size_t i = 0; i < sheet0.size(); ++i) differing += sheet0[i] != sheet1[i];
  EXPECT_EQ(differing, 2);
  EXPECT_EQ(sheet0[0][6], 0x60);
  EXPECT_EQ(sheet1[0][6], 0x40);
  EXPECT_EQ((sheet0[0][4] | sheet0[0][5] << 8), AddressOf(9) + 6);
  EXPECT_EQ(sheet0[4][6], 0x00);
  EXPECT_EQ(sheet1[4][6], 0x01);
  const std::uint16_t second57 = static_cast<std::uint16_t>(AddressOf(57) + rig.sim().Find(57)->size);
  EXPECT_EQ((sheet0[6][4] | sheet0[6][5] << 8), second57) << "byte 0 of the second type-57 instance";
  EXPECT_EQ(test::Hex(sheet0[3], 17).substr(18), "04 00 0A 10 00 00 01 00 00 01 0F");
  EXPECT_EQ(test::Hex(sheet0[10], 7).substr(18), "55") << "then the backup";
}

TEST_F(ControllerTest, CalibrateReadsMessagesUntilStatusZero) {
  rig.sim().SetStartUpMessages({});
  ASSERT_TRUE(rig.controller.Calibrate());
  EXPECT_EQ(rig.controller.messageMirror()[1], 0);
  EXPECT_EQ(rig.sim().pendingMessages(), 0u) << "the two busy messages and the final one were read";
}

TEST_F(ControllerTest, DiagnosticCommandWaitsForByteFiveToClear) {
  ASSERT_TRUE(rig.controller.DiagnosticCommand(0x11));
  EXPECT_EQ(rig.controller.commandMirror()[5], 0);
  int commandReads = 0;
  for (const BridgeReport& r : rig.OutputReports()) commandReads += r[3] > 0 && (r[4] | r[5] << 8) == AddressOf(6);
  EXPECT_EQ(commandReads, 2) << "the first read still shows the mode";
}

TEST_F(ControllerTest, TypeNineIsReadInPiecesOfSixty) {
  ASSERT_TRUE(rig.controller.ReadType9Object());
  std::vector<std::pair<int, int>> reads;
  for (const BridgeReport& r : rig.OutputReports()) reads.emplace_back(r[4] | r[5] << 8, r[3]);
  const int a = AddressOf(9);
  EXPECT_EQ(reads, (std::vector<std::pair<int, int>>{{a, 60}, {a + 60, 10}}));
}

TEST_F(ControllerTest, MissingObjectIsSkippedAndReportedOnce) {
  // Turn the type-56 entry into an unknown type.
  const std::uint8_t position = rig.controller.table().Slot(56).position;
  const std::uint8_t other = 200;
  rig.controller.table().StoreTableBytes(static_cast<std::uint16_t>(7 + 6 * (position - 1)), &other, 1);
  ASSERT_TRUE(rig.controller.table().Parse());
  rig.controller.BeginConnection();
  ASSERT_TRUE(rig.controller.ApplyAcquisitionSettings(0));
  ASSERT_TRUE(rig.controller.ApplyAcquisitionSettings(0));
  int lines = 0;
  for (const std::string& line : rig.LogLines()) lines += line == "控制器缺少对象T56";
  EXPECT_EQ(lines, 1);
  EXPECT_EQ(Writes().size(), 20u) << "ten writes and the backup, less the missing one, twice";
}

TEST_F(ControllerTest, NoAnswerEndsAnOperation) {
  FaultPlan plan;
  plan.at[rig.board.transactions()] = SimFault::DropAnswer;
  rig.board.SetFaultPlan(plan);
  {
    test::ShortDeadlines shortDeadlines(rig.link, rig.controller);
    EXPECT_FALSE(rig.controller.ReadMessage());
  }
  EXPECT_TRUE(rig.controller.ReadMessage()) << "the next request is answered";
}

}  // namespace
}  // namespace vn
