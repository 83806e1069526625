#include <gtest/gtest.h>

#include "link/board_identity.h"
#include "link/board_link.h"

namespace vn {
namespace {

HidDeviceInfo Board(std::string path, int interfaceNumber = -1) {
  return {std::move(path), 0x03EB, 0x212C, 0x1032, interfaceNumber};
}

TEST(BoardIdentityTest, MatchingRules) {
  struct Case {
    const char* name;
    HidDeviceInfo info;
    bool bridge;
  } cases[] = {
      {"windows path of interface 1", Board(R"(\\?\hid#vid_03eb&pid_212c&mi_01#7&1)"), true},
      {"upper-case marker", Board(R"(\\?\HID#VID_03EB&PID_212C&MI_01#7&1)"), true},
      {"interface 0 only", Board(R"(\\?\hid#vid_03eb&pid_212c&mi_00#7&1)"), false},
      {"mixed-case marker", Board(R"(\\?\hid#vid_03eb&pid_212c&Mi_01#7&1)"), false},
      {"marker at the first character", Board("mi_01#board"), false},
      {"hidraw node of interface 1", Board("/dev/hidraw3", 1), true},
      {"hidraw node of interface 0", Board("/dev/hidraw2", 0), false},
      {"other vendor", {"/dev/hidraw3", 0x046D, 0x212C, 0x1032, 1}, false},
      {"second product id", {"/dev/hidraw3", 0x03EB, 0x211D, 0x0100, 1}, true},
      {"other product", {"/dev/hidraw3", 0x03EB, 0x2110, 0x1032, 1}, false},
      {"release 0x09AA", {"/dev/hidraw3", 0x03EB, 0x212C, 0x09AA, 1}, true},
      {"release 0x1132", {"/dev/hidraw3", 0x03EB, 0x212C, 0x1132, 1}, true},
      {"unknown release", {"/dev/hidraw3", 0x03EB, 0x212C, 0x1033, 1}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsBoardBridge(c.info), c.bridge);
  }
}

// An enumeration given by the test; Open hands out a connection that never answers.
class ListedBackend : public HidBackend {
 public:
  explicit ListedBackend(std::vector<HidDeviceInfo> devices) : devices_(std::move(devices)) {}
  std::vector<HidDeviceInfo> Enumerate() override { return devices_; }
  std::unique_ptr<HidConnection> Open(const std::string& path) override {
    opened.push_back(path);
    if (path == refusePath) return nullptr;
    return std::make_unique<SilentConnection>();
  }
  std::string Name() const override { return "listed"; }
  std::vector<std::string> opened;
  std::string refusePath;

 private:
  struct SilentConnection : HidConnection {
    IoResult Read(BridgeReport&, std::chrono::milliseconds timeout) override {
      std::unique_lock lock(m);
      cv.wait_for(lock, timeout, [&] { return interrupted; });
      return {interrupted ? IoStatus::Closed : IoStatus::TimedOut};
    }
    IoResult Write(const BridgeReport&) override { return {IoStatus::Ok, 0, 64}; }
    void Interrupt() override {
      std::lock_guard lock(m);
      interrupted = true;
      cv.notify_all();
    }
    std::mutex m;
    std::condition_variable cv;
    bool interrupted = false;
  };
  std::vector<HidDeviceInfo> devices_;
};

TEST(BoardIdentityTest, DiscoveryOpensTheFirstMatchingInterface) {
  ListedBackend backend({{"/dev/hidraw0", 0x046D, 0xC31C, 0x6400, 0},
                         Board("/dev/hidraw1", 0),
                         Board("/dev/hidraw2", 1),
                         Board("/dev/hidraw5", 1)});
  OperatorLog log;
  BoardLink link(backend, log);
  ASSERT_TRUE(link.FindTestBoard());
  EXPECT_TRUE(link.deviceFound());
  EXPECT_EQ(link.devicePath(), "/dev/hidraw2");
  EXPECT_EQ(backend.opened, std::vector<std::string>{"/dev/hidraw2"});
}

TEST(BoardIdentityTest, NoBoardLeavesTheLastExaminedPath) {
  ListedBackend backend({{"/dev/hidraw0", 0x046D, 0xC31C, 0x6400, 0}, Board("/dev/hidraw1", 0)});
  OperatorLog log;
  BoardLink link(backend, log);
  EXPECT_FALSE(link.FindTestBoard());
  EXPECT_FALSE(link.deviceFound());
  EXPECT_EQ(link.devicePath(), "/dev/hidraw1");
  EXPECT_TRUE(backend.opened.empty());
}

TEST(BoardIdentityTest, OpenFailureStillCountsAsFound) {
  ListedBackend backend({Board("/dev/hidraw2", 1)});
  backend.refusePath = "/dev/hidraw2";
  OperatorLog log;
  log.SetTimeSource([] { return LocalTimeOfDay{9, 5, 30}; });
  BoardLink link(backend, log);
  EXPECT_TRUE(link.FindTestBoard());
  EXPECT_TRUE(link.deviceFound());
  EXPECT_FALSE(link.SendReport(1, 0x51, 2, 7, 0, nullptr));
  EXPECT_TRUE(log.Contains("读访问打开设备失败 ( 9: 5:30)"));
  EXPECT_TRUE(log.Contains("写访问打开设备失败 ( 9: 5:30)"));
  EXPECT_TRUE(log.Contains("无效的写报告句柄，可能是打开设备时失败 ( 9: 5:30)"));
}

}  // namespace
}  // namespace vn
