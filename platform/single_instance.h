// Keeps a second copy of the tester from running: a named mutex on Windows,
// an exclusive lock on a file of that name on POSIX. The lock is held until
// the guard is destroyed or the process ends.
#pragma once

#include <string>

namespace vn {

class SingleInstanceGuard {
 public:
  // lockDirectory is where the POSIX lock file lives (default: the temporary directory).
  explicit SingleInstanceGuard(const std::string& name, const std::string& lockDirectory = {});
  ~SingleInstanceGuard();
  SingleInstanceGuard(const SingleInstanceGuard&) = delete;
  SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

  // False when another process already holds the name.
  bool acquired() const { return acquired_; }

 private:
  bool acquired_ = false;
#if defined(_WIN32)
  void* mutex_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace vn
