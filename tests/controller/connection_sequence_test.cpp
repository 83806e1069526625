#include <gtest/gtest.h>

#include "controller/connection_sequence.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

int CountReadsOf(const test::SimRig& rig, std::uint16_t address) {
  int reads = 0;
  for (const BridgeReport& r : rig.OutputReports()) reads += r[3] > 0 && (r[4] | r[5] << 8) == address;
  return reads;
}

TEST(FirmwareVersionTextTest, HighDigitDotLowDigit) {
  EXPECT_EQ(FirmwareVersionText(0x21), "2.1");
  EXPECT_EQ(FirmwareVersionText(0x0A), "0.A");
  EXPECT_EQ(FirmwareVersionText(0x10), "1.0");
}

TEST(ConnectionSequenceTest, StartUpMessageVariantsAllEndReady) {
  struct Case {
    const char* name;
    std::vector<std::vector<std::uint8_t>> startUp;  // report id 1 is the command processor
    bool chain;       // the report-all chain runs and succeeds
    int type9Reads;   // whole reads of the type-9 object (two requests each)
  } cases[] = {
      {"healthy: reset, then configuration-error twice", {{1, 0x90}, {1, 0x10}, {1, 0x10}}, true, 2},
      {"no pending messages", {}, false, 0},
      {"reset status only", {{1, 0x80}}, false, 1},
      {"a message of another object first", {{12, 0x00}, {1, 0x00}}, false, 0},
      {"configuration error cleared by the second drain", {{1, 0x10}, {1, 0x00}}, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::SimRig rig;
    rig.sim().SetStartUpMessages(c.startUp);
    ASSERT_TRUE(rig.Connect());
    ConnectionState state;
    EXPECT_EQ(ConnectionSequence(rig.controller, state, 0), ConnectionOutcome::Ready);
    EXPECT_EQ(state.controllerReady, 1);
    EXPECT_EQ(state.linkOk, 1);
    EXPECT_EQ(state.firmwareVersionText, "2.1");
    EXPECT_TRUE(rig.log.Contains("USB连接正常 ( 9: 5:30)"));
    const std::uint16_t type9 = rig.sim().Find(9)->address;
    const std::uint16_t type15 = rig.sim().Find(15)->address;
    EXPECT_EQ(CountReadsOf(rig, type9), c.type9Reads);
    EXPECT_EQ(CountReadsOf(rig, type15), c.chain ? 1 : 0) << "the mirrors are read after a successful chain";
  }
}

TEST(ConnectionSequenceTest, BrokenChainStillEndsReady) {
  test::SimRig rig;
  rig.sim().SetStartUpMessages({{1, 0x10}, {1, 0x10}});
  ASSERT_TRUE(rig.Connect());
  // The report-all answer starts with a message of the wrong object.
  rig.sim().QueueMessage({13, 0x00});
  ConnectionState state;
  EXPECT_EQ(ConnectionSequence(rig.controller, state, 0), ConnectionOutcome::Ready);
  EXPECT_EQ(CountReadsOf(rig, rig.sim().Find(15)->address), 0);
}

TEST(ConnectionSequenceTest, MatrixSizesDecideTheLinkCheck) {
  struct Case {
    std::uint8_t y;
    bool passes;
  } cases[] = {{52, true}, {53, true}, {51, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.y));
    FilmProfile profile;
    profile.matrixY = c.y;
    test::SimRig rig(profile);
    ASSERT_TRUE(rig.Connect());
    ConnectionState state;
    const ConnectionOutcome outcome = ConnectionSequence(rig.controller, state, 0);
    EXPECT_EQ(outcome == ConnectionOutcome::Ready, c.passes);
    if (!c.passes) {
      EXPECT_EQ(outcome, ConnectionOutcome::LinkFailed);
      EXPECT_EQ(CountReadsOf(rig, 0), kLinkCheckAttempts);
      EXPECT_TRUE(rig.log.Contains("USB异常，请重新连接USB电缆"));
      EXPECT_FALSE(rig.link.deviceFound()) << "the handles are closed";
      EXPECT_EQ(state.linkOk, 0);
    }
  }
}

TEST(ConnectionSequenceTest, SilentBoardEndsTheLinkCheckAfterFifteenAttempts) {
  test::SimRig rig(FilmProfile{}, test::FastLinkTiming(std::chrono::milliseconds(20)));
  ASSERT_TRUE(rig.Connect());
  FaultPlan plan;
  plan.randomRate = 1.0;
  plan.randomKinds = {SimFault::DropAnswer};
  rig.board.SetFaultPlan(plan);
  ConnectionState state;
  EXPECT_FALSE(CheckLink(rig.controller, state));
  EXPECT_EQ(rig.board.transactions(), static_cast<std::uint64_t>(kLinkCheckAttempts));
  EXPECT_TRUE(rig.log.Contains("USB异常，请重新连接USB电缆"));
}

TEST(ConnectionSequenceTest, BoardLostPartWayIsInterrupted) {
  test::SimRig rig;
  ASSERT_TRUE(rig.Connect());
  FaultPlan plan;
  plan.at[5] = SimFault::Remove;  // during the object-table read or the settings
  rig.board.SetFaultPlan(plan);
  ConnectionState state;
  const ConnectionOutcome outcome = ConnectionSequence(rig.controller, state, 0);
  EXPECT_NE(outcome, ConnectionOutcome::Ready);
  EXPECT_EQ(state.controllerReady, 0);
}

}  // namespace
}  // namespace vn
