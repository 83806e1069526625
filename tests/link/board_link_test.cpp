#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "link/hotplug_watcher.h"
#include "platform/clock.h"
#include "support/sim_fixture.h"

namespace vn {
namespace {

using std::chrono::milliseconds;

class BoardLinkTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(rig.Connect()); }

  // Sends a read of count bytes at address and waits for its answer.
  bool Read(std::uint16_t address, std::uint8_t count) {
    return rig.link.WaitWriteIdle() && rig.link.SendReport(1, 0x51, 2, count, address, nullptr) &&
           rig.link.WaitReadReady();
  }

  BridgeReport Report(std::initializer_list<std::uint8_t> head) {
    BridgeReport r{};
    std::copy(head.begin(), head.end(), r.begin());
    return r;
  }

  // Waits until the reader has handled what the board sent: the board's queue
  // is empty and its reader is back for more.
  bool ReaderCaughtUp() { return rig.board.WaitUntilQuiet(milliseconds(5000)); }

  test::SimRig rig;
};

TEST_F(BoardLinkTest, ReadAnswerCarriesControllerMemory) {
  rig.board.WithController([](SimController& c) {
    c.Poke(0x0300, 0xAB);
    c.Poke(0x0301, 0xCD);
  });
  ASSERT_TRUE(Read(0x0300, 2));
  const BridgeReport answer = rig.link.TakeAnswer();
  EXPECT_EQ(answer[3], 0xAB);
  EXPECT_EQ(answer[4], 0xCD);
  EXPECT_EQ(rig.link.readReady(), 0);
  EXPECT_EQ(rig.link.writeAck(), 0) << "consuming read data also consumes its acknowledgement";
}

TEST_F(BoardLinkTest, AnswerCodes) {
  std::atomic<int> forwarded{0};
  rig.link.SetMessageHandler([&](const BridgeReport&) { forwarded++; });
  struct Case {
    const char* name;
    BridgeReport report;
    std::size_t length;
    int readReady, writeAck, forwarded;
    bool errorLogged;
  } cases[] = {
      {"read data", Report({1, 0x00, 0, 7}), 64, 1, 1, 0, false},
      {"acknowledgement", Report({1, 0x04}), 64, 0, 1, 0, false},
      {"report id 2 is accepted", Report({2, 0x04}), 64, 0, 1, 0, false},
      {"ignored code", Report({1, 0x88}), 64, 0, 0, 0, false},
      {"forwarded message", Report({1, 0xFA, 0, 13, 0xFE}), 64, 0, 0, 1, false},
      {"0xFA with byte 2 set", Report({1, 0xFA, 1, 13}), 64, 0, 0, 0, false},
      {"report id 3 is dropped", Report({3, 0x00}), 64, 0, 0, 0, false},
      {"short report is dropped", Report({1, 0x00}), 10, 0, 0, 0, false},
      {"unknown code", Report({1, 0x05}), 64, 0, 0, 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A request whose own answer the board drops: the case's report answers it.
    FaultPlan plan;
    plan.at[rig.board.transactions()] = SimFault::DropAnswer;
    rig.board.SetFaultPlan(plan);
    ASSERT_TRUE(rig.link.SendReport(1, 0x51, 2, 1, 0, nullptr));
    ASSERT_TRUE(rig.link.WaitWriteIdle());
    rig.log.Clear();
    forwarded = 0;
    rig.board.PushInputReport(c.report, c.length);
    // A marker acknowledgement shows the reader is past the case's report.
    rig.board.PushInputReport(Report({1, 0x88}));
    rig.board.PushInputReport(Report({1, 0xFA, 0, 0xEE}));
    ASSERT_TRUE(ReaderCaughtUp());
    EXPECT_EQ(rig.link.readReady(), c.readReady);
    EXPECT_EQ(rig.link.writeAck(), c.writeAck);
    EXPECT_EQ(forwarded.load(), 1 + c.forwarded);
    const auto lines = rig.log.Lines();
    if (c.errorLogged) {
      ASSERT_EQ(lines.size(), 2u);
      EXPECT_EQ(lines[0], "命令出错=");
      EXPECT_EQ(lines[1].substr(0, 6), "01 05 ");
      EXPECT_EQ(lines[1].size(), 64u * 3);
    } else {
      EXPECT_TRUE(lines.empty());
    }
  }
}

TEST_F(BoardLinkTest, OneAnswerPerRequest) {
  FaultPlan plan;
  plan.at[rig.board.transactions()] = SimFault::DuplicateAnswer;
  rig.board.SetFaultPlan(plan);
  ASSERT_TRUE(Read(0, 7));
  rig.link.TakeAnswer();
  // The repeated answer arrives after the first was taken; it must not raise the flags again.
  ASSERT_TRUE(ReaderCaughtUp());
  EXPECT_EQ(rig.link.readReady(), 0);
  EXPECT_EQ(rig.link.writeAck(), 0);
  EXPECT_EQ(rig.link.strayAnswers(), 1u);
  EXPECT_TRUE(Read(0, 7)) << "the next request gets its own answer";
}

TEST_F(BoardLinkTest, UnsolicitedAnswerRaisesNothing) {
  rig.board.PushInputReport(Report({1, 0x00, 0, 7}));
  ASSERT_TRUE(ReaderCaughtUp());
  EXPECT_EQ(rig.link.readReady(), 0);
  EXPECT_EQ(rig.link.strayAnswers(), 1u);
}

TEST_F(BoardLinkTest, WriteStormNeverLeavesWriteBusyStuck) {
  rig.board.SetRecording(false);
  constexpr int kWrites = 100000;
  int sent = 0;
  for (int i = 0; i < kWrites; ++i) {
    ASSERT_TRUE(rig.link.WaitWriteIdle()) << "write " << i;
    const std::uint8_t byte = static_cast<std::uint8_t>(i);
    if (rig.link.SendReport(1, 0x51, 3, 0, 0x0400, &byte)) ++sent;
  }
  ASSERT_TRUE(rig.link.WaitWriteIdle());
  EXPECT_EQ(sent, kWrites);
  EXPECT_EQ(rig.link.writesCompleted(), static_cast<std::uint64_t>(kWrites));
  EXPECT_EQ(rig.board.transactions(), static_cast<std::uint64_t>(kWrites));
}

TEST_F(BoardLinkTest, ExpiredWaitFailsWithinItsDeadlineAndLogsOnce) {
  FaultPlan plan;
  plan.at[0] = SimFault::DropAnswer;
  plan.at[1] = SimFault::DropAnswer;
  rig.board.SetFaultPlan(plan);
  const LinkTiming production = rig.link.timing();
  rig.link.SetTiming(test::FastLinkTiming(milliseconds(150)));
  const MonotonicTimePoint start = MonotonicClock::now();
  EXPECT_FALSE(Read(0, 7));
  EXPECT_FALSE(Read(0, 7));
  const auto elapsed = MonotonicClock::now() - start;
  EXPECT_LT(elapsed, milliseconds(2000)) << "two waits of 150 ms each";
  rig.link.SetTiming(production);
  int noAnswerLines = 0;
  for (const std::string& line : rig.LogLines()) noAnswerLines += line == "测试板无应答 ( 9: 5:30)";
  EXPECT_EQ(noAnswerLines, 1);
  EXPECT_TRUE(Read(0, 7)) << "the board answers the next request";
}

TEST_F(BoardLinkTest, RemovalDuringAReadThenRediscoveryOnANewPath) {
  // The answer would come long after the deadline; the board is pulled while
  // the wait is on.
  FaultPlan plan;
  plan.answerLatency = std::chrono::microseconds(60'000'000);
  rig.board.SetFaultPlan(plan);
  ASSERT_TRUE(rig.link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  std::thread unplug([&] {
    std::this_thread::sleep_for(milliseconds(20));
    rig.board.Unplug();
  });
  const MonotonicTimePoint start = MonotonicClock::now();
  EXPECT_FALSE(rig.link.WaitReadReady());
  EXPECT_LT(MonotonicClock::now() - start, rig.link.timing().answerTimeout - milliseconds(100))
      << "a lost board ends the wait before its deadline";
  unplug.join();
  EXPECT_TRUE(rig.link.linkLost());
  rig.link.CloseBoardHandles();
  EXPECT_FALSE(rig.link.deviceFound());

  rig.board.SetFaultPlan({});
  rig.board.Plug("/dev/hidraw-sim7");
  ASSERT_TRUE(rig.link.FindTestBoard());
  EXPECT_EQ(rig.link.devicePath(), "/dev/hidraw-sim7");
  EXPECT_FALSE(rig.link.linkLost());
  EXPECT_TRUE(Read(0, 7)) << "the same reader thread reads the new connection";
}

TEST_F(BoardLinkTest, SendWithoutBoardIsRefusedAndLogged) {
  rig.link.CloseBoardHandles();
  EXPECT_FALSE(rig.link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  EXPECT_TRUE(rig.log.Contains("设备未找到 ( 9: 5:30)"));
}

TEST_F(BoardLinkTest, WriteFailureIsLoggedWithItsErrorNumber) {
  FaultPlan plan;
  plan.at[0] = SimFault::WriteFailure;
  rig.board.SetFaultPlan(plan);
  ASSERT_TRUE(rig.link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  EXPECT_TRUE(rig.link.WaitWriteIdle());
  EXPECT_FALSE(rig.link.WaitReadReady());
  EXPECT_TRUE(rig.log.Contains("发送失败，错误代码：    5 ( 9: 5:30)"));
}

TEST_F(BoardLinkTest, TraceSeesBothDirections) {
  std::mutex m;
  std::vector<ReportDirection> seen;
  rig.link.SetTraceObserver([&](ReportDirection d, const BridgeReport&) {
    std::lock_guard lock(m);
    seen.push_back(d);
  });
  ASSERT_TRUE(Read(0, 7));
  std::lock_guard lock(m);
  EXPECT_EQ(seen, (std::vector<ReportDirection>{ReportDirection::Out, ReportDirection::In}));
}

// A board whose writes complete only when the test lets them.
class GatedBackend : public HidBackend {
 public:
  std::vector<HidDeviceInfo> Enumerate() override { return {{"/dev/hidraw9", 0x03EB, 0x212C, 0x1032, 1}}; }
  std::unique_ptr<HidConnection> Open(const std::string&) override { return std::make_unique<Gated>(*this); }
  std::string Name() const override { return "gated"; }
  void Release() {
    std::lock_guard lock(m);
    released = true;
    cv.notify_all();
  }

 private:
  struct Gated : HidConnection {
    explicit Gated(GatedBackend& b) : backend(b) {}
    IoResult Read(BridgeReport&, std::chrono::milliseconds timeout) override {
      std::this_thread::sleep_for(std::min(timeout, milliseconds(5)));
      return {IoStatus::TimedOut};
    }
    IoResult Write(const BridgeReport&) override {
      std::unique_lock lock(backend.m);
      backend.cv.wait(lock, [&] { return backend.released || interrupted; });
      return {interrupted ? IoStatus::Closed : IoStatus::Ok, 0, 64};
    }
    void Interrupt() override {
      std::lock_guard lock(backend.m);
      interrupted = true;
      backend.cv.notify_all();
    }
    GatedBackend& backend;
    bool interrupted = false;
  };
  std::mutex m;
  std::condition_variable cv;
  bool released = false;
};

TEST(BoardLinkWriteTest, RefusesWhileAWriteIsPending) {
  GatedBackend backend;
  OperatorLog log;
  BoardLink link(backend, log, test::FastLinkTiming());
  ASSERT_TRUE(link.FindTestBoard());
  ASSERT_TRUE(link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  EXPECT_EQ(link.writeBusy(), 1);
  EXPECT_FALSE(link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  EXPECT_TRUE(log.Lines().empty()) << "a refusal for a pending write is silent";
  // The backend holds the write until it is released, so this wait fails
  // however long the machine pauses; the short deadline only saves time.
  link.SetTiming(test::FastLinkTiming(milliseconds(30)));
  EXPECT_FALSE(link.WaitWriteIdle()) << "the write is still held";
  link.SetTiming(test::FastLinkTiming());
  backend.Release();
  EXPECT_TRUE(link.WaitWriteIdle());
  EXPECT_EQ(link.writesCompleted(), 1u);
  EXPECT_TRUE(link.SendReport(1, 0x51, 2, 7, 0, nullptr));
}

TEST(BoardLinkWriteTest, ClosingEndsAHeldWrite) {
  GatedBackend backend;
  OperatorLog log;
  BoardLink link(backend, log, test::FastLinkTiming());
  ASSERT_TRUE(link.FindTestBoard());
  ASSERT_TRUE(link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  link.CloseBoardHandles();  // must not hang on the held write
  EXPECT_EQ(link.writeBusy(), 0);
  EXPECT_FALSE(link.deviceFound());
}

TEST(HotPlugWatcherTest, ReportsChangesAfterTheFirstPoll) {
  SimulatedBoard board;
  HotPlugWatcher watcher(board);
  EXPECT_TRUE(watcher.Poll().empty()) << "what is present at start-up is not an arrival";
  board.Unplug();
  const auto removed = watcher.Poll();
  ASSERT_EQ(removed.size(), 2u);  // both interfaces of the board
  for (const DeviceChange& c : removed) EXPECT_EQ(c.kind, DeviceChange::Kind::Removal);
  EXPECT_TRUE(watcher.Poll().empty());
  board.Plug();
  const auto arrived = watcher.Poll();
  ASSERT_EQ(arrived.size(), 2u);
  for (const DeviceChange& c : arrived) EXPECT_EQ(c.kind, DeviceChange::Kind::Arrival);
}

}  // namespace
}  // namespace vn
