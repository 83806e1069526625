#if !defined(_WIN32)

#include "link/hidapi_backend.h"

#include <hidapi/hidapi.h>

#include <algorithm>
#include <atomic>
#include <set>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

namespace vn {

namespace {

// One hidraw node. An eventfd wakes a read blocked in poll when the
// connection is interrupted.
class HidrawConnection : public HidConnection {
 public:
  HidrawConnection(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd) {}
  ~HidrawConnection() override {
    ::close(fd_);
    ::close(wakeFd_);
  }

  IoResult Read(BridgeReport& report, std::chrono::milliseconds timeout) override {
    if (interrupted_.load()) return {IoStatus::Closed};
    pollfd fds[2] = {{fd_, POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, static_cast<int>(timeout.count()));
    if (ready < 0) return errno == EINTR ? IoResult{IoStatus::TimedOut} : Failure(errno);
    if (interrupted_.load() || (fds[1].revents & POLLIN) != 0) return {IoStatus::Closed};
    if (ready == 0) return {IoStatus::TimedOut};
    if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) return {IoStatus::Closed};
    report.fill(0);
    const ssize_t n = ::read(fd_, report.data(), report.size());
    if (n < 0) return errno == EAGAIN || errno == EINTR ? IoResult{IoStatus::TimedOut} : Failure(errno);
    return {IoStatus::Ok, 0, static_cast<std::size_t>(n)};
  }

  IoResult Write(const BridgeReport& report) override {
    if (interrupted_.load()) return {IoStatus::Closed};
    // The report already starts with its report id (1): write it as it stands.
    const ssize_t n = ::write(fd_, report.data(), report.size());
    if (n < 0) return Failure(errno);
    return {IoStatus::Ok, 0, static_cast<std::size_t>(n)};
  }

  void Interrupt() override {
    interrupted_.store(true);
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
  }

 private:
  static IoResult Failure(int error) {
    const bool gone = error == ENODEV || error == EIO || error == ESHUTDOWN || error == EPIPE;
    return {gone ? IoStatus::Closed : IoStatus::Failed, error};
  }

  int fd_;
  int wakeFd_;
  std::atomic<bool> interrupted_{false};
};

}  // namespace

HidapiBackend::HidapiBackend() { initialised_ = hid_init() == 0; }

HidapiBackend::~HidapiBackend() {
  if (initialised_) hid_exit();
}

std::vector<HidDeviceInfo> HidapiBackend::Enumerate() {
  std::vector<HidDeviceInfo> devices;
  if (!initialised_) return devices;
  std::set<std::string> seen;
  hid_device_info* list = hid_enumerate(0, 0);
  for (hid_device_info* d = list; d != nullptr; d = d->next) {
    if (d->path == nullptr || !seen.insert(d->path).second) continue;  // one entry per usage
    devices.push_back({d->path, d->vendor_id, d->product_id, d->release_number, d->interface_number});
  }
  hid_free_enumeration(list);
  return devices;
}

std::unique_ptr<HidConnection> HidapiBackend::Open(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return nullptr;
  const int wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  if (wakeFd < 0) {
    ::close(fd);
    return nullptr;
  }
  return std::make_unique<HidrawConnection>(fd, wakeFd);
}

}  // namespace vn

#endif
