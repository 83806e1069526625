#include "platform/single_instance.h"

#include "platform/paths.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace vn {

#if defined(_WIN32)

SingleInstanceGuard::SingleInstanceGuard(const std::string& name, const std::string&) {
  mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
  acquired_ = mutex_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS;
  if (!acquired_ && mutex_ != nullptr) {
    CloseHandle(static_cast<HANDLE>(mutex_));
    mutex_ = nullptr;
  }
}

SingleInstanceGuard::~SingleInstanceGuard() {
  if (mutex_ != nullptr) CloseHandle(static_cast<HANDLE>(mutex_));
}

#else

SingleInstanceGuard::SingleInstanceGuard(const std::string& name, const std::string& lockDirectory) {
  const std::string dir = lockDirectory.empty() ? TemporaryDirectory() : lockDirectory;
  const std::string path = JoinPath(dir, name + ".lock");
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return;
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    acquired_ = true;
  } else {
    ::close(fd_);
    fd_ = -1;
  }
}

SingleInstanceGuard::~SingleInstanceGuard() {
  if (fd_ >= 0) ::close(fd_);
}

#endif

}  // namespace vn
